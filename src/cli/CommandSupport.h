#pragma once

#include "cli/CommandArguments.h"
#include "model/Book.h"
#include "refdb/ReferenceDatabase.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace waybill::cli {

// Prints a message of the system (Windows-1252, "\r" between lines) to a terminal.
void PrintMessage(std::ostream& stream, const std::string& cp1252Text);

// The editor's reference database: the "DefDB" setting, else the database beside the program.
std::filesystem::path DefaultDatabase();

// Pages A to B (from 1).
struct PageSpan {
    int first = 1;
    int last = 1;
};
// "N" or "A-B": whole page numbers from 1, A not above B.
std::optional<PageSpan> ParsePageSpan(std::string_view text);

// The reference database FILE, else the default; on failure the reason goes to `err`.
std::unique_ptr<ReferenceDatabase> OpenDatabaseFor(const std::optional<std::string>& file,
                                                   std::ostream& err);

// File names given as arguments are UTF-8 text and become paths through PathFromUtf8: on
// Windows a path made from a std::string reads its bytes in another code page.

// The document `file` names (legacy or current); on failure the message goes to `err`.
std::optional<Book> ReadDocumentFor(std::string_view file, std::ostream& err);

// What most commands start from: the reference database (--refdb FILE, else the default) and
// the document IN, the first argument; nothing when either cannot be read (the reason is on
// `err`).
struct CommandInput {
    std::unique_ptr<ReferenceDatabase> database;
    Book book;
};
std::optional<CommandInput> ReadInput(const CommandArguments& args, std::ostream& err);

// How a command that writes a document ends: OUT, the second argument, written unless an editor
// holds it (--force writes it all the same); 0 when it was written, else 1.
int WriteOutput(const Book& book, const CommandArguments& args, std::ostream& err);

// Whether a command may write the file `path`: not when an editor holds it as a document (the
// lock file beside the file written, links followed, names someone who may still have it
// open), unless `force`; the holder is then named on `err`.
bool MayWriteOutput(const std::filesystem::path& path, std::ostream& err, bool force);

// Writes the document to `file`, as MayWriteOutput allows; on failure the message goes to
// `err` and the result is false.
bool WriteDocumentFor(const Book& book, std::string_view file, std::ostream& err, bool force);

} // namespace waybill::cli

#pragma once

#include "model/Book.h"
#include "page/GridSetup.h"
#include "refdb/ReferenceDatabase.h"

#include <filesystem>
#include <initializer_list>
#include <map>
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

// A command's arguments: the options that take a value (the last one given wins), the flags
// given, and the other arguments in order. An option without its value counts as an ordinary
// argument, so the command reports wrong usage.
//
// The terminal gives UTF-8; the documents hold Windows-1252. Every argument is converted here,
// once, except the file names, which stay as given: the first two ordinary arguments (IN and
// OUT of every command) and the values of --refdb and --templates.
struct CommandArguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> options;
    std::vector<std::string> flags;

    std::optional<std::string> Option(std::string_view name) const;
    bool Flag(std::string_view name) const;
};
// Nothing when an argument holds a character Windows-1252 has no code for: wrong usage, and
// the message naming it is written to `err`.
std::optional<CommandArguments> SplitArguments(const std::vector<std::string>& args,
                                               std::initializer_list<std::string_view> valueOptions,
                                               std::initializer_list<std::string_view> flags,
                                               std::ostream& err);

// The Windows-1252 text of one argument; nothing, with the message on `err`, for a character
// it has no code for (wrong usage).
std::optional<std::string> ArgumentText(const std::string& arg, std::ostream& err);

// A converted argument as the terminal shows it, for a message that repeats it.
std::string ShownArgument(const std::string& cp1252Text);

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

// Writes the document to `file`; on failure the message goes to `err` and the result is
// false. A document an editor holds (its lock file names someone who may still have it open)
// is not written, its holder named on `err`, unless `force`.
bool WriteDocumentFor(const Book& book, std::string_view file, std::ostream& err, bool force);

} // namespace waybill::cli

#pragma once

#include "model/Book.h"
#include "platform/Cp1252.h"
#include "platform/UserMessage.h"

#include <filesystem>
#include <optional>
#include <string>

// The document file: read in FwbReader.cpp, written in FwbWriter.cpp.
namespace waybill {

inline constexpr const char* kFwbSignature = "VB WAYBILL 1.0";

// Reads a document file into `book`: its pages are added after the pages the book has and
// the header fields the file names are set. On failure the message to show is returned and
// `book` is left exactly as it was.
std::optional<UserMessage> ReadFWB(const std::filesystem::path& path, Book& book);

// The same, from the file's bytes; `path` only names the file in messages.
std::optional<UserMessage> ParseFWB(std::string_view content, const std::filesystem::path& path,
                                    Book& book);

// The drawing number and the finish share their page's definition line with the description,
// separated by commas, and the format has no escape: a comma in either would shift the
// fields when the file is read back, so it is stored as ";". Line ends become blanks.
std::string DefinitionField(std::string_view field);

// A page line as the file holds it. The reader takes a line that begins with "**HEAD" or
// "**PAGE" as a marker and trims every line, so such a line is written trimmed, with a "\"
// before it; a line that is one or more "\" followed by a marker gets one "\" more. Every
// other line is written as it is, so files without such lines are unchanged. Line ends
// inside the line become blanks: the file has one line per entry.
std::string FileLine(std::string_view pageLine);
// The page line a trimmed, non-marker file line stands for: the reverse of FileLine.
std::string PageLineFromFile(std::string_view fileLine);

// The document as the bytes of a document file (Windows-1252, CR LF line ends).
std::string FormatFWB(const Book& book);

// Writes the document to `path`, replacing the file there only once everything has been
// written; on failure the file on disk is untouched and the message to show is returned.
std::optional<UserMessage> WriteFWB(const Book& book, const std::filesystem::path& path);

// "Cannot Open <path>." with the caption "File Error".
UserMessage CannotOpenMessage(const std::filesystem::path& path);

} // namespace waybill

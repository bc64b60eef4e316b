#pragma once

#include "model/Book.h"
#include "platform/UserMessage.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace waybill {

// Imports a document of the older ".wbl" format, appending its pages to `book` and setting
// the header fields its header line names. A failure ends the import with the
// "Cannot Open" message; the pages read until then stay in the book.
std::optional<UserMessage> ImportWBL(const std::filesystem::path& path, Book& book);

// The same, from the file's bytes; `path` only names the file in messages.
std::optional<UserMessage> ParseWBL(std::string_view content, const std::filesystem::path& path,
                                    Book& book);

// True when `path` names a legacy document: its extension is ".wbl" in any case.
bool IsLegacyDocumentPath(const std::filesystem::path& path);

} // namespace waybill

#pragma once

#include "model/Book.h"
#include "platform/UserMessage.h"

#include <filesystem>
#include <optional>

namespace waybill {

// Reads a document into `book`: a legacy document when the extension is ".wbl" (any case),
// a document file otherwise. On failure the message to show is returned. A lock file is not
// read (LockFileInsteadMessage).
std::optional<UserMessage> ReadDocument(const std::filesystem::path& path, Book& book);

// For a lock file of an open document ("~$...") chosen where a document is read: "This is a
// lock file of an open document, not a document."; nothing for any other name.
std::optional<UserMessage> LockFileInsteadMessage(const std::filesystem::path& path);

} // namespace waybill

#pragma once

#include "model/Book.h"
#include "platform/UserMessage.h"

#include <filesystem>
#include <optional>

namespace waybill {

// Reads a document into `book`: a legacy document when the extension is ".wbl" (any case),
// a document file otherwise. On failure the message to show is returned.
std::optional<UserMessage> ReadDocument(const std::filesystem::path& path, Book& book);

} // namespace waybill

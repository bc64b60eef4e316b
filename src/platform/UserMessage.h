#pragma once

#include <string>

namespace waybill {

enum class MessageIcon { None, Information, Exclamation, Question, Critical };

// A message the user is to see, described by the core and shown by the window.
// Text and caption hold Windows-1252 bytes; "\r" separates lines.
struct UserMessage {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Exclamation;

    bool operator==(const UserMessage&) const = default;
};

} // namespace waybill

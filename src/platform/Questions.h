#pragma once

#include "platform/UserMessage.h"

#include <optional>

namespace waybill {

enum class MessageButtons {
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    ReadOnlyOpenAnywayCancel, // opening a document someone else holds
};
enum class MessageAnswer { Ok, Cancel, Yes, No, ReadOnly, OpenAnyway };

// Where the core shows a message and asks a question: the editor's message boxes, a
// command's standard error, a test's recorder.
class Questions {
  public:
    virtual ~Questions() = default;

    // Shows the message (Windows-1252 text, "\r" or "\r\n" between lines) and answers the
    // button the user chose. Enter answers `defaultButton` when given, otherwise the first
    // button.
    virtual MessageAnswer ShowMessage(const UserMessage& message,
                                      MessageButtons buttons = MessageButtons::Ok,
                                      std::optional<MessageAnswer> defaultButton = {}) = 0;
};

} // namespace waybill

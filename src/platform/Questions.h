#pragma once

#include "platform/UserMessage.h"

#include <optional>
#include <string>
#include <vector>

namespace waybill {

enum class MessageButtons {
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    ReadOnlyOpenAnywayCancel, // opening a document someone else holds
};
enum class MessageAnswer { Ok, Cancel, Yes, No, ReadOnly, OpenAnyway };

// A question about a list: the user selects one entry and presses one of the buttons.
struct ListQuestion {
    UserMessage message;              // the caption and the text above the list
    std::vector<std::string> entries; // Windows-1252 text, one line each
    std::vector<std::string> buttons; // their texts; the first is the default
};

struct ListAnswer {
    int button = 0; // index into the buttons
    int entry = 0;  // index into the entries
};

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

    // Shows the list; nothing when the user closed it without a button.
    virtual std::optional<ListAnswer> AskAboutList(const ListQuestion& question) = 0;
};

} // namespace waybill

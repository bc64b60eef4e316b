#include "cli/CommandSession.h"

namespace waybill::cli {

std::optional<ListAnswer> TerminalQuestions::AskAboutList(const ListQuestion& question) {
    PrintMessage(err_, question.message.text);
    return std::nullopt;
}

MessageAnswer TerminalQuestions::ShowMessage(const UserMessage& message, MessageButtons buttons,
                                             std::optional<MessageAnswer> defaultButton) {
    PrintMessage(err_, message.text);
    if (defaultButton) {
        return *defaultButton;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
    case MessageButtons::ReadOnlyOpenAnywayCancel:
        break;
    }
    return MessageAnswer::Cancel;
}

CommandSession::CommandSession(CommandInput input, std::ostream& err)
    : database_(std::move(input.database)), questions_(err),
      attribDefs_(database_ ? std::optional<BlockAttribDefs>(std::in_place, *database_)
                            : std::nullopt),
      session_({database_.get(), attribDefs_ ? &*attribDefs_ : nullptr}, questions_) {
    session_.LoadBook(std::move(input.book));
}

} // namespace waybill::cli

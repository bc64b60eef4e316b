#include "cli/CommandSession.h"

#include "cli/CommandSupport.h"

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

CommandSession::CommandSession(const ReferenceDatabase* database, Book book, std::ostream& err)
    : questions_(err),
      attribDefs_(database ? std::optional<BlockAttribDefs>(std::in_place, *database)
                           : std::nullopt),
      session_({database, attribDefs_ ? &*attribDefs_ : nullptr}, questions_) {
    session_.LoadBook(std::move(book));
}

} // namespace waybill::cli

#pragma once

#include "app/EditSession.h"
#include "cli/CommandSupport.h"
#include "page/AttribDefs.h"
#include "platform/Questions.h"
#include "refdb/ReferenceDatabase.h"

#include <memory>
#include <optional>
#include <ostream>

namespace waybill::cli {

// The session's messages on the terminal. Nobody is there to answer a question: it gets its
// default button, else the answer that changes nothing (No, Cancel).
class TerminalQuestions : public Questions {
  public:
    explicit TerminalQuestions(std::ostream& err) : err_(err) {}

    MessageAnswer ShowMessage(const UserMessage& message, MessageButtons buttons,
                              std::optional<MessageAnswer> defaultButton) override;
    // Closed unanswered: nothing changes.
    std::optional<ListAnswer> AskAboutList(const ListQuestion& question) override;
    // A command names its files on the command line: no dialog is ever asked for.
    std::optional<std::string> AskForFile(const FileQuestion&) override { return std::nullopt; }

  private:
    std::ostream& err_;
};

// An edit session as an editing command runs it: the editor's record path over the document
// the command read, with the reference database when the command has one, and neither
// settings, recovery copies nor drawings.
class CommandSession {
  public:
    CommandSession(CommandInput input, std::ostream& err);

    EditSession& operator*() { return session_; }
    EditSession* operator->() { return &session_; }

  private:
    std::unique_ptr<ReferenceDatabase> database_;
    TerminalQuestions questions_;
    std::optional<BlockAttribDefs> attribDefs_;
    EditSession session_;
};

} // namespace waybill::cli

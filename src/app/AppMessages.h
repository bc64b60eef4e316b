#pragma once

#include "platform/UserMessage.h"

#include <string_view>

namespace waybill {

// The messages of the main window and its dialogs. Texts are Windows-1252; paths are given
// as they appear in messages.

UserMessage FileChangedQuestion();
UserMessage DeletePageQuestion();
UserMessage InvalidPageNumberMessage();
UserMessage MissingDefaultWaybillMessage();
UserMessage MissingDefaultDatabaseMessage();
UserMessage CreateFolderQuestion(std::string_view folder);
UserMessage CannotCreateFolderMessage(std::string_view folder, std::string_view reason);
// The reference database could not be opened at start: what went wrong, and what the user
// is to do about it.
UserMessage DatabaseOpenFailedMessage(std::string_view path, std::string_view reason);
// At start the default document or the reference database is not where the settings say:
// which of them (an empty path: that one is there), before the user is asked to name them.
UserMessage MissingStartFilesMessage(std::string_view missingDefFwb, std::string_view missingDefDB);
UserMessage AboutMessage(int major, int minor, int revision);
UserMessage NoHelpMessage();
// Saving over a file that someone else saved since the document was opened or saved.
UserMessage ChangedOnDiskQuestion(std::string_view path);
// A recovery copy of `document` (a path, or "Untitled") written at `time` was found.
UserMessage RecoveryQuestion(std::string_view document, std::string_view time);
UserMessage RecoveryFailedMessage(std::string_view reason);
// The start-up list of recovery copies; its entries read "DOCUMENT (TIME)".
UserMessage RecoveryListQuestion();
std::string RecoveryListEntry(std::string_view document, std::string_view time);
// A finish the page's finish list does not offer (the command line names any finish).
UserMessage FinishNotOfferedMessage(std::string_view finish, int page);

} // namespace waybill

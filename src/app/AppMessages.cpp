#include "app/AppMessages.h"

#include <string>

namespace waybill {
namespace {

constexpr const char* kTitle = "Waybill";

} // namespace

UserMessage FileChangedQuestion() {
    return {"The current waybill file has been changed.\rDo you want to save it?", "File Changed",
            MessageIcon::Exclamation};
}

UserMessage DeletePageQuestion() {
    return {"Delete this page?", "Page Delete Confirmation", MessageIcon::Question};
}

UserMessage InvalidPageNumberMessage() {
    return {"Invalid Page Number.", kTitle, MessageIcon::Exclamation};
}

UserMessage MissingDefaultWaybillMessage() {
    return {"You must supply the path to the Default Waybill file.", kTitle,
            MessageIcon::Exclamation};
}

UserMessage MissingDefaultDatabaseMessage() {
    return {"You must supply the path to the Default DB file.", kTitle, MessageIcon::Exclamation};
}

UserMessage CreateFolderQuestion(std::string_view folder) {
    return {"Folder " + std::string(folder) + " does not exist.\rDo you want to create it?", kTitle,
            MessageIcon::None};
}

UserMessage CannotCreateFolderMessage(std::string_view folder, std::string_view reason) {
    return {"Cannot create the folder " + std::string(folder) + ".\r" + std::string(reason),
            "File Error", MessageIcon::Exclamation};
}

UserMessage DatabaseOpenFailedMessage(std::string_view path, std::string_view reason) {
    return {"The reference database " + std::string(path) + " cannot be used.\r" +
                std::string(reason) +
                "\rChoose the database in Configure File Paths; it is opened again "
                "when you click OK.",
            "File Error", MessageIcon::Exclamation};
}

UserMessage AboutMessage(int major, int minor, int revision) {
    return {"Version " + std::to_string(major) + "." + std::to_string(minor) + "." +
                std::to_string(revision),
            kTitle, MessageIcon::None};
}

UserMessage MissingStartFilesMessage(std::string_view missingDefFwb,
                                     std::string_view missingDefDB) {
    std::string text;
    if (!missingDefFwb.empty()) {
        text += "The default waybill file " + std::string(missingDefFwb) + " cannot be found.\r";
    }
    if (!missingDefDB.empty()) {
        text += "The reference database " + std::string(missingDefDB) + " cannot be found.\r";
    }
    text += "Name them in Configure File Paths.";
    return {text, "File Error", MessageIcon::Exclamation};
}

UserMessage NoHelpMessage() {
    return {"Unable to display Help Contents. There is no Help associated with this project.",
            kTitle, MessageIcon::Information};
}

UserMessage ChangedOnDiskQuestion(std::string_view path) {
    return {std::string(path) + " was changed by someone else since you opened it. Overwrite it?",
            "File Changed on Disk", MessageIcon::Exclamation};
}

UserMessage RecoveryQuestion(std::string_view document, std::string_view time) {
    return {"Unsaved changes to " + std::string(document) + " were kept in a recovery copy at " +
                std::string(time) + ".\rDo you want to recover them?\r\r" +
                "Yes opens the recovered copy; No keeps it for later.",
            "Waybill Recovery", MessageIcon::Question};
}

UserMessage RecoveryListQuestion() {
    return {"Unsaved changes were kept in recovery copies of these documents.\r"
            "Open recovers the selected document; Keep leaves the copies for later; Delete "
            "removes the selected copy.",
            "Waybill Recovery", MessageIcon::Question};
}

std::string RecoveryListEntry(std::string_view document, std::string_view time) {
    return std::string(document) + " (" + std::string(time) + ")";
}

UserMessage RecoveryFailedMessage(std::string_view reason) {
    return {"The recovery copy could not be read: " + std::string(reason), "Waybill Recovery",
            MessageIcon::Exclamation};
}

UserMessage FinishNotOfferedMessage(std::string_view finish, int page) {
    return {"Finish " + std::string(finish) + " is not offered for page " + std::to_string(page) +
                ".",
            "Waybill", MessageIcon::Exclamation};
}

} // namespace waybill

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

UserMessage NoHelpMessage() {
    return {"Unable to display Help Contents. There is no Help associated with this project.",
            kTitle, MessageIcon::Information};
}

UserMessage UndoButtonMessage() {
    return {"Add 'Undo' button code.", kTitle, MessageIcon::None};
}

UserMessage UndoMenuMessage() {
    return {"Add 'mnuEditUndo_Click' code.", kTitle, MessageIcon::None};
}

} // namespace waybill

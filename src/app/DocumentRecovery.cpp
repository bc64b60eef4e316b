// The document's files (DocumentFiles.h): the recovery copies of changed documents, written by
// Autosave, offered at start-up and when their document is opened.
#include "app/AppMessages.h"
#include "app/DocumentFiles.h"
#include "app/PageOrder.h"
#include "app/Recovery.h"
#include "model/FwbFile.h"
#include "platform/Cp1252.h"

#include <utility>

namespace waybill {

using namespace SessionChange;
namespace {

std::string DocumentText(const std::string& docPath) {
    return docPath.empty() ? std::string("Untitled") : PathText(PathFromUtf8(docPath));
}

} // namespace

int DocumentFiles::AutosaveSeconds() const {
    return setup_.settings != nullptr && !setup_.recoveryFolder.empty()
               ? ReadAutosaveSeconds(*setup_.settings)
               : 0;
}

void DocumentFiles::OfferStartRecovery() {
    const StartRecovery pending = std::exchange(startRecovery_, StartRecovery::None);
    if (pending == StartRecovery::OpenedDocument) {
        OfferRecovery();
    } else if (pending == StartRecovery::Copies) {
        OfferRecoveryCopies();
    }
}

std::filesystem::path DocumentFiles::RecoveryPath() const {
    return setup_.recoveryFolder / PathFromUtf8(RecoveryFileName(document_.Path()));
}

void DocumentFiles::RemoveRecovery(bool always) {
    if (!setup_.recoveryFolder.empty() && (always || ownsRecovery_)) {
        RemoveRecoveryCopy(RecoveryPath());
    }
}

// Never written over the document itself, and atomically, so a crash while writing leaves
// the previous copy.
void DocumentFiles::Autosave() {
    if (setup_.recoveryFolder.empty() || readOnly_) {
        return;
    }
    if (!document_.FileChanged() || document_.GetBook().PageCount() == 0) {
        RemoveRecovery();
        return;
    }
    std::error_code error;
    std::filesystem::create_directories(setup_.recoveryFolder, error);
    const std::filesystem::path recovery = RecoveryPath();
    ownsRecovery_ = true;
    const bool written =
        !WriteFWB(document_.GetBook(), recovery) && WriteRecoveryNote(recovery, document_.Path());
    host_.SetStatusNote(written ? "Recovery copy saved at " + Clock().TimeOfDay() + "."
                                : "The recovery copy could not be written.");
    host_.Notify(Status);
}

// A recovery copy newer than the document's file is offered: Yes opens it changed, under the
// document's own path, so Save writes the user's file; No keeps it for later.
// A read-only document takes no copy, so one of an earlier run is neither offered nor deleted.
void DocumentFiles::OfferRecovery() {
    if (setup_.recoveryFolder.empty() || readOnly_) {
        return;
    }
    const std::filesystem::path recovery = RecoveryPath();
    if (!RecoveryIsNewer(recovery, PathFromUtf8(document_.Path()))) {
        return;
    }
    std::error_code error;
    const std::string time = Clock().FileTime(std::filesystem::last_write_time(recovery, error));
    if (questions_.ShowMessage(RecoveryQuestion(DocumentText(document_.Path()), time),
                               MessageButtons::YesNo, MessageAnswer::Yes) == MessageAnswer::Yes) {
        TakeRecovery(recovery);
    }
}

void DocumentFiles::OfferRecoveryCopies() {
    if (setup_.recoveryFolder.empty()) {
        return;
    }
    enum Button { Open, Keep, Delete };
    for (std::vector<RecoveryCopy> copies = FindRecoveryCopies(setup_.recoveryFolder);
         !copies.empty(); copies = FindRecoveryCopies(setup_.recoveryFolder)) {
        ListQuestion question{RecoveryListQuestion(), {}, {"Open", "Keep", "Delete"}};
        for (const RecoveryCopy& copy : copies) {
            std::error_code error;
            question.entries.push_back(RecoveryListEntry(
                DocumentText(copy.documentPath),
                Clock().FileTime(std::filesystem::last_write_time(copy.copy, error))));
        }
        const std::optional<ListAnswer> answer = questions_.AskAboutList(question);
        if (!answer || answer->button == Keep || answer->entry < 0 ||
            answer->entry >= static_cast<int>(copies.size())) {
            return;
        }
        const RecoveryCopy& chosen = copies[static_cast<std::size_t>(answer->entry)];
        if (answer->button == Delete) {
            RemoveRecoveryCopy(chosen.copy);
            continue;
        }
        // The document as it is on disk first, so Save guards its file like any other.
        std::error_code error;
        if (!chosen.documentPath.empty() &&
            std::filesystem::is_regular_file(PathFromUtf8(chosen.documentPath), error)) {
            OpenFile(chosen.documentPath, OpenedFrom::CommandLine);
        } else {
            document_.Reset(NewBook(), chosen.documentPath, false);
        }
        TakeRecovery(chosen.copy);
        return;
    }
}

// The copy's pages become the document's, changed, under the document's own path.
void DocumentFiles::TakeRecovery(const std::filesystem::path& recovery) {
    Book book;
    if (const auto failure = ReadFWB(recovery, book)) {
        questions_.ShowMessage(RecoveryFailedMessage(failure->text));
        return;
    }
    SetLocIdx(book, positions_);
    const std::string path = document_.Path();
    const bool imported = document_.Imported();
    auto stamp = document_.DiskStamp();
    document_.Reset(std::move(book), path, imported);
    document_.SetDiskStamp(std::move(stamp));
    document_.MarkUnsaved();
    document_.GotoPage(1);
    ownsRecovery_ = true;
    host_.ShowReplaced(WholeDocument);
}

} // namespace waybill

// The edit session's comparison with an older state of the document (EditSession.h).
#include "app/EditSession.h"
#include "model/ReadDocument.h"
#include "platform/Cp1252.h"

namespace waybill {

bool EditSession::CompareWith(const std::string& path) {
    const std::filesystem::path file = PathFromUtf8(path);
    Book base;
    if (const auto failure = ReadDocument(file, base)) {
        ShowMessage(*failure);
        return false;
    }
    comparison_.Start(std::move(base), path.substr(path.find_last_of("\\/") + 1),
                      document_.GetBook());
    Notify(SessionChange::Compared);
    return true;
}

void EditSession::FileCompareWith() {
    if (const auto path = files_.AskForDocument("Compare With")) {
        CompareWith(*path);
    }
}

void EditSession::StopComparing() {
    comparison_.Stop();
    Notify(SessionChange::Compared);
}

} // namespace waybill

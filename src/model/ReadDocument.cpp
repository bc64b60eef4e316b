#include "model/ReadDocument.h"

#include "model/FwbFile.h"
#include "model/LegacyImport.h"
#include "platform/DocumentLock.h"

namespace waybill {

std::optional<UserMessage> LockFileInsteadMessage(const std::filesystem::path& path) {
    if (!IsLockFileName(path)) {
        return std::nullopt;
    }
    return UserMessage{"This is a lock file of an open document, not a document.", "File Error",
                       MessageIcon::Exclamation};
}

std::optional<UserMessage> ReadDocument(const std::filesystem::path& path, Book& book) {
    if (auto lockFile = LockFileInsteadMessage(path)) {
        return lockFile;
    }
    return IsLegacyDocumentPath(path) ? ImportWBL(path, book) : ReadFWB(path, book);
}

} // namespace waybill

#include "model/ReadDocument.h"

#include "model/FwbFile.h"
#include "model/LegacyImport.h"

namespace waybill {

std::optional<UserMessage> ReadDocument(const std::filesystem::path& path, Book& book) {
    return IsLegacyDocumentPath(path) ? ImportWBL(path, book) : ReadFWB(path, book);
}

} // namespace waybill

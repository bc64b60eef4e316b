#include <cstdint>
#include <string_view>

#include "model/FwbFile.h"
#include "model/LegacyImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    waybill::Book book;
    waybill::ParseWBL(content, "fuzz.wbl", book);
    waybill::FormatFWB(book);
    return 0;
}

#include <cstdint>
#include <string_view>

#include "model/BookEquality.h"
#include "model/FwbFile.h"
#include "model/LegacyImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    waybill::Book book;
    // The pages imported before a failure stay, so they must save as well.
    waybill::ParseWBL(content, "fuzz.wbl", book);
    // An imported document, once saved, reopens as the same document.
    waybill::Book read;
    if (waybill::ParseFWB(waybill::FormatFWB(book), "saved.fwb", read) ||
        book != read) {
        __builtin_trap();
    }
    return 0;
}

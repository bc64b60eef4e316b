#include <cstdint>
#include <string_view>

#include "model/BookEquality.h"
#include "model/FwbFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    waybill::Book book;
    if (!waybill::ParseFWB(content, "fuzz.fwb", book)) {
        // Whatever was read must write and read back to the same document.
        waybill::Book again;
        if (waybill::ParseFWB(waybill::FormatFWB(book), "again.fwb", again) ||
            book != again) {
            __builtin_trap();
        }
    }
    return 0;
}

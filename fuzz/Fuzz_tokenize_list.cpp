#include <cstdint>
#include <string_view>

#include "units/Parsers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const auto& token : waybill::TokenizeList(text)) {
        waybill::TokenizeList(token);
    }
    waybill::SplitPipeList(text);
    return 0;
}

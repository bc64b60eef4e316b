#include "units/Lengths.h"

#include <cmath>
#include <cstdint>
#include <string_view>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double inches = waybill::ParseFtIn(text);
    if (!std::isfinite(inches) || inches < 0) {
        __builtin_trap();
    }
    // A box's length is one of the two readings, never a third value.
    const auto box = waybill::ReadFtDottedBox(text);
    if (const float* read = std::get_if<float>(&box);
        read && *read != waybill::ParseFtDotted(text) && *read != static_cast<float>(inches)) {
        __builtin_trap();
    }
    waybill::GlyphsToText(text);
    // Whatever length was read formats and reads back to its rounded value.
    if (inches < 1e6) {
        const float rounded = waybill::Round16(static_cast<float>(inches));
        const double again = waybill::ParseFtIn(waybill::FormatFtInGlyph(rounded));
        if (rounded > 0 && std::fabs(again - rounded) > 1e-3) {
            __builtin_trap();
        }
    }
    return 0;
}

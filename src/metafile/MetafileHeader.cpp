#include "metafile/MetafileHeader.h"

#include <cmath>

namespace waybill::wmf {

std::optional<MetafileError> ReadMetafileHeader(std::string_view bytes, MetafileHeader& header) {
    std::size_t at = 0;
    if (bytes.size() >= kPlaceableSize && U32(bytes, 0) == kPlaceableKey) {
        const int left = I16(bytes, 6);
        const int top = I16(bytes, 8);
        const int right = I16(bytes, 10);
        const int bottom = I16(bytes, 12);
        const int unitsPerInch = U16(bytes, 14);
        if (left == right || top == bottom || unitsPerInch == 0) {
            return MetafileError::BadHeader;
        }
        header.placeable = Mapping{kMmAnisotropic, double(left), double(top),
                                   MetaPoint{double(right - left), double(bottom - top)}};
        header.widthInches = std::abs(right - left) / double(unitsPerInch);
        header.heightInches = std::abs(bottom - top) / double(unitsPerInch);
        at = kPlaceableSize;
    }
    if (bytes.size() < at + kHeaderWords * 2) {
        return MetafileError::NotAMetafile;
    }
    const std::uint16_t type = U16(bytes, at);
    const std::uint16_t headerWords = U16(bytes, at + 2);
    if ((type != 1 && type != 2) || headerWords != kHeaderWords) {
        return MetafileError::NotAMetafile;
    }
    header.recordsAt = at + kHeaderWords * 2;
    return std::nullopt;
}

} // namespace waybill::wmf

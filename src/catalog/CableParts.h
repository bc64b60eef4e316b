#pragma once

#include "catalog/AfterCommit.h"

#include <string>
#include <string_view>

namespace waybill {

// One cable brace block: the size texts of columns 4 to 6 (drawing-font glyph text), the
// length the fittings take from the shipping length, and the diameter code of its part
// number.
struct CableSpec {
    std::string_view block;
    std::string_view sizeText1;
    std::string_view sizeText2;
    std::string_view sizeText3;
    double allowance = 0;
    std::string_view diameterCode;
};

// The cable of a block ("cable01" to "cable04", letter case ignored), if known.
const CableSpec* FindCable(std::string_view block);

// The length code of a cable part number for a shipping length in whole inches.
std::string CableLengthCode(double inches);

// A cable row after its shipping length (column 3) was committed: the length rounded to
// whole inches, the cut length with the sizes, the finish word when there is none yet, and
// the part number with its finish marker. A length that is no positive length empties
// columns 3 to 8; a block without a cable leaves the row alone. A length that leaves no cut
// length once the fittings' allowance is taken off is invalid: the typed text stays for
// correcting, and the row loses its cut length and part number.
CommitFollowUp SetCablePartNumber(const PageView& view, int row);

} // namespace waybill

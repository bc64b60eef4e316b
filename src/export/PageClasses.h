#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace waybill {

// How the table export treats a page, by its page kind (CAD base, any letter case).

// Purchased items are entered by hand, so their pages are left out of the table.
bool IsPurchasePage(std::string_view cadBase);
// Pages whose rows go out with an empty description.
bool IsNoDescriptionPage(std::string_view cadBase);
// Fabricated steel pages carry a finish word in the last field.
bool IsFabricatedSteelPage(std::string_view cadBase);
// Hi-tensile pages append the page finish to the description.
bool IsHiTensilePage(std::string_view cadBase);

// The finish word of a fabricated steel page's finish; nothing when the finish is none of
// black, red oxide, hot dipped or pre-galvanized.
std::optional<std::string> FabricatedFinishWord(std::string_view pageFinish);

} // namespace waybill

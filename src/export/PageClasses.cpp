#include "export/PageClasses.h"

#include "units/Text.h"
#include "units/Wildcard.h"

#include <algorithm>
#include <initializer_list>

namespace waybill {
namespace {

bool OneOf(std::string_view name, std::initializer_list<std::string_view> names) {
    return std::ranges::any_of(names, [&](std::string_view n) { return EqualsNoCase(name, n); });
}

// Both ends included, in text order without regard to case.
bool Between(std::string_view name, std::string_view first, std::string_view last) {
    return CompareNoCase(name, first) >= 0 && CompareNoCase(name, last) <= 0;
}

} // namespace

bool IsPurchasePage(std::string_view cadBase) {
    return OneOf(cadBase, {"pur02", "pur03", "rfpanl01", "rfpanl02", "Barjst02", "lvrs01",
                           "udektrim", "udhw01", "udhw02", "pursf", "pur_insul", "pur_door",
                           "pur_hdwe", "pur_flash", "pur_misc"});
}

bool IsNoDescriptionPage(std::string_view cadBase) {
    return OneOf(cadBase, {"pre_rel", "finish", "flbrc01", "bu_steel", "hr_steel", "eavpl",
                           "rods01", "stck02", "stck01_2", "stck1b_1", "stck1a_1", "ashdr01",
                           "ashdr02", "sghdr01", "sghdr02"}) ||
           Between(cadBase, "angl01", "angl04") || Between(cadBase, "ehdr", "ehdrzzzzz");
}

bool IsFabricatedSteelPage(std::string_view cadBase) {
    return OneOf(cadBase, {"flbrc01", "bu_steel", "hr_steel"});
}

bool IsHiTensilePage(std::string_view cadBase) {
    return OneOf(cadBase, {"cee00", "zee00", "eav00"}) || Between(cadBase, "ten", "tenzzzzz");
}

std::optional<std::string> FabricatedFinishWord(std::string_view pageFinish) {
    static constexpr std::pair<std::string_view, std::string_view> kWords[] = {
        {"*lack", "BLACK"},
        {"*xide*", "RED OXIDE"},
        {"*ip*", "HOT DIPPED GALVANIZED"},
        {"*alvanized*", "PRE-GALVANIZED"},
    };
    for (const auto& [pattern, word] : kWords) {
        if (MatchesPattern(pageFinish, pattern)) {
            return std::string(word);
        }
    }
    return std::nullopt;
}

} // namespace waybill

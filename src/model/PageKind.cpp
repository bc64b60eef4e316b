#include "model/PageKind.h"

#include "units/Text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace waybill {
namespace {

bool Between(std::string_view s, std::string_view first, std::string_view last) {
    return CompareNoCase(s, first) >= 0 && CompareNoCase(s, last) <= 0;
}

// The first set holding a CAD base gives its kind: the tensile sub-kinds come before the
// tensile range that holds them.
constexpr std::array<std::pair<PageKind, CadBaseSet>, 17> kKinds = {{
    {PageKind::BuiltUpSteel, Named("bu_steel")},
    {PageKind::HotRolledSteel, Named("hr_steel")},
    {PageKind::FlangeBraces, Named("flbrc01")},
    {PageKind::Rods, Named("rods01")},
    {PageKind::Cable, Ranged("cable01", "cable04")},
    {PageKind::Clip1, Named("clp02_1")},
    {PageKind::Clip2, Named("clp02_2")},
    {PageKind::ZeePurlins, Ranged("tenza", "tenzf99")},
    {PageKind::CeePurlins, Ranged("tenca", "tencf99")},
    {PageKind::Girts, Ranged("teng", "tengzzzz")},
    {PageKind::EaveStrutList, Prefixed("tene")},
    {PageKind::OtherTensile, Ranged("ten", "tenzzzzz")},
    {PageKind::ZeeMember, Named("zee00")},
    {PageKind::CeeMember, Named("cee00")},
    {PageKind::EaveStrutMember, Named("eav00")},
    {PageKind::Sheet, Ranged("sht", "shtzzzzz")},
    {PageKind::FormedAngles, Named("angl05")},
}};

constexpr CadBaseSet kPurchasePages[] = {
    Named("pur02"),     Named("pur03"),    Named("rfpanl01"), Named("rfpanl02"),  Named("Barjst02"),
    Named("lvrs01"),    Named("udektrim"), Named("udhw01"),   Named("udhw02"),    Named("pursf"),
    Named("pur_insul"), Named("pur_door"), Named("pur_hdwe"), Named("pur_flash"), Named("pur_misc"),
};

constexpr CadBaseSet kNoDescriptionPages[] = {
    Named("pre_rel"),
    Named("finish"),
    Named("flbrc01"),
    Named("bu_steel"),
    Named("hr_steel"),
    Ranged("angl01", "angl04"),
    Named("eavpl"),
    Named("rods01"),
    Named("stck02"),
    Named("stck01_2"),
    Named("stck1b_1"),
    Named("stck1a_1"),
    Named("ashdr01"),
    Named("ashdr02"),
    Named("sghdr01"),
    Named("sghdr02"),
    Ranged("ehdr", "ehdrzzzzz"),
};

} // namespace

bool CadBaseSet::Contains(std::string_view cadBase) const {
    switch (form) {
    case Form::Name:
        return EqualsNoCase(cadBase, first);
    case Form::Range:
        return Between(cadBase, first, last);
    case Form::Prefix:
        return StartsWithNoCase(cadBase, first);
    }
    return false;
}

bool AnyContains(std::span<const CadBaseSet> sets, std::string_view cadBase) {
    return std::ranges::any_of(sets, [&](const CadBaseSet& set) { return set.Contains(cadBase); });
}

PageKind PageKindOf(std::string_view cadBase) {
    const auto found = std::ranges::find_if(
        kKinds, [&](const auto& entry) { return entry.second.Contains(cadBase); });
    return found == kKinds.end() ? PageKind::Other : found->first;
}

bool IsSteel(PageKind kind) {
    return kind == PageKind::BuiltUpSteel || kind == PageKind::HotRolledSteel;
}

bool IsFabricatedSteel(PageKind kind) {
    return IsSteel(kind) || kind == PageKind::FlangeBraces;
}

bool IsClip(PageKind kind) {
    return kind == PageKind::Clip1 || kind == PageKind::Clip2;
}

bool IsTensileList(PageKind kind) {
    switch (kind) {
    case PageKind::ZeePurlins:
    case PageKind::CeePurlins:
    case PageKind::Girts:
    case PageKind::EaveStrutList:
    case PageKind::OtherTensile:
        return true;
    default:
        return false;
    }
}

bool IsMemberPage(PageKind kind) {
    return IsZeeOrCee(kind) || kind == PageKind::EaveStrutMember;
}

bool IsHiTensile(PageKind kind) {
    return IsTensileList(kind) || IsMemberPage(kind);
}

bool IsZeeOrCee(PageKind kind) {
    return kind == PageKind::ZeeMember || kind == PageKind::CeeMember;
}

bool IsPurchasePage(std::string_view cadBase) {
    return AnyContains(kPurchasePages, cadBase);
}

bool IsNoDescriptionPage(std::string_view cadBase) {
    return AnyContains(kNoDescriptionPages, cadBase);
}

} // namespace waybill

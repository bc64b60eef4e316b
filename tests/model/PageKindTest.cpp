#include "model/PageKind.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace waybill {
namespace {

TEST(PageKind, CadBasesByNameRangeAndPrefixInAnyCase) {
    const std::pair<const char*, PageKind> cases[] = {
        {"bu_steel", PageKind::BuiltUpSteel},
        {"HR_Steel", PageKind::HotRolledSteel},
        {"flbrc01", PageKind::FlangeBraces},
        {"rods01", PageKind::Rods},
        {"rods012", PageKind::Other},
        // Ranges hold both ends and nothing past them.
        {"cable01", PageKind::Cable},
        {"CABLE04", PageKind::Cable},
        {"cable0", PageKind::Other},
        {"cable041", PageKind::Other},
        // The clip pages are the two the cell rules know; their catalogue goes with them.
        {"clp02_1", PageKind::Clip1},
        {"CLP02_2", PageKind::Clip2},
        {"clp02", PageKind::Other},
        {"clp02_3", PageKind::Other},
        {"clp02zzz", PageKind::Other},
        // The tensile lists and their sub-kinds.
        {"ten", PageKind::OtherTensile},
        {"tenzzzzz", PageKind::OtherTensile},
        {"tenzzzzza", PageKind::Other},
        {"tenza", PageKind::ZeePurlins},
        {"TENZF99", PageKind::ZeePurlins},
        {"tenzf990", PageKind::OtherTensile},
        {"tenca", PageKind::CeePurlins},
        {"tencf99", PageKind::CeePurlins},
        {"teng", PageKind::Girts},
        {"tengzzzz", PageKind::Girts},
        {"tengzzzzz", PageKind::OtherTensile},
        {"tene", PageKind::EaveStrutList},
        {"tenezzzzzz", PageKind::EaveStrutList},
        {"zee00", PageKind::ZeeMember},
        {"Cee00", PageKind::CeeMember},
        {"eav00", PageKind::EaveStrutMember},
        {"zee001", PageKind::Other},
        {"sht", PageKind::Sheet},
        {"shtzzzzz", PageKind::Sheet},
        {"sh", PageKind::Other},
        {"angl05", PageKind::FormedAngles},
        {"", PageKind::Other},
    };
    for (const auto& [cadBase, kind] : cases) {
        EXPECT_EQ(PageKindOf(cadBase), kind) << cadBase;
    }
}

TEST(PageKind, GroupsTheRulesAskAbout) {
    using enum PageKind;
    const std::pair<bool (*)(PageKind), std::vector<PageKind>> groups[] = {
        {IsSteel, {BuiltUpSteel, HotRolledSteel}},
        {IsFabricatedSteel, {BuiltUpSteel, HotRolledSteel, FlangeBraces}},
        {IsClip, {Clip1, Clip2}},
        {IsTensileList, {ZeePurlins, CeePurlins, Girts, EaveStrutList, OtherTensile}},
        {IsMemberPage, {ZeeMember, CeeMember, EaveStrutMember}},
        {IsHiTensile,
         {ZeePurlins, CeePurlins, Girts, EaveStrutList, OtherTensile, ZeeMember, CeeMember,
          EaveStrutMember}},
        {IsZeeOrCee, {ZeeMember, CeeMember}},
    };
    for (std::size_t g = 0; g < std::size(groups); ++g) {
        const auto& [group, kinds] = groups[g];
        for (int k = 0; k <= static_cast<int>(Other); ++k) {
            const auto kind = static_cast<PageKind>(k);
            EXPECT_EQ(group(kind), std::ranges::find(kinds, kind) != kinds.end())
                << "group " << g << ", kind " << k;
        }
    }
}

TEST(PageKind, ExportClasses) {
    for (const char* purchase : {"pur02", "barjst02", "PUR_MISC"}) {
        EXPECT_TRUE(IsPurchasePage(purchase)) << purchase;
    }
    EXPECT_FALSE(IsPurchasePage("pur"));
    for (const char* plain : {"pre_rel", "angl01", "ANGL04", "ehdr", "ehdrzzzzz", "sghdr02"}) {
        EXPECT_TRUE(IsNoDescriptionPage(plain)) << plain;
    }
    for (const char* described : {"angl05", "angl041", "ehdrzzzzzz", "sht"}) {
        EXPECT_FALSE(IsNoDescriptionPage(described)) << described;
    }
}

} // namespace
} // namespace waybill

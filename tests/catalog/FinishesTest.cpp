#include "catalog/Finishes.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

TEST(Finishes, PageKindsBindTheirCatalogues) {
    struct Case {
        const char* cadBase;
        const char* finish;
        const FinishCatalogue* expected;
    };
    const Case cases[] = {
        {"cable04", "", &EyeBoltFinishes()},
        {"clp02_1", "", &ClipFinishes()},
        {"clp02_2", "", &ClipFinishes()},
        // A name the clip rules do not know is no clip page: no clip finishes either.
        {"clp02_3", "", &OtherFinishes()},
        {"ten", "Red-Oxide", &HitenFinishes()},
        {"eav00", "", &HitenFinishes()},
        {"zee00", "Pre-Galvanized", &PreGalvFinishes()},
        {"tenca", "pre-galvanized", &PreGalvFinishes()},
        {"shtsg_2", "", &PanelFinishes()},
        {"rods01", "", &RodFinishes()},
        {"flbrc01", "", &IronFinishes()},
        {"bu_steel", "", &IronFinishes()},
        {"angl05", "", &OtherFinishes()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(&SetPageFinishes(c.cadBase, c.finish), c.expected) << c.cadBase;
    }
}

TEST(Finishes, CodesComeFromThePageCatalogueByLongName) {
    EXPECT_EQ(GetFinishCode(&HitenFinishes(), "Hot Dip Galv."), "B");
    EXPECT_EQ(GetFinishCode(&OtherFinishes(), "hot dip galv."), "G");
    EXPECT_EQ(GetFinishCode(&ClipFinishes(), "Black"), " ");
    EXPECT_EQ(GetFinishCode(&EyeBoltFinishes(), "Zinc"), ".");
    EXPECT_EQ(GetFinishCode(&PanelFinishes(), "KYN Ash Gray"), "AY");
    EXPECT_EQ(PanelFinishes().Find("SMP Burnished Slate")->ShortName, "Bunished Slate");
    // Not in the catalogue, no catalogue bound, and the blank entry: no code at all, so a
    // "_" never reaches a part number.
    EXPECT_EQ(GetFinishCode(&HitenFinishes(), "Galvalume Plus"), "");
    EXPECT_EQ(GetFinishCode(nullptr, "Red-Oxide"), "");
    EXPECT_EQ(GetFinishCode(&RodFinishes(), ""), "");
    EXPECT_EQ(PageFinishCode("zee00", "Pre-Galvanized"), "G");
    EXPECT_EQ(PageFinishCode("zee00", "Black"), "B");
}

TEST(Finishes, ListOpensOnTheLastEntryMatchingTheFieldLoosely) {
    EXPECT_EQ(PreselectFinish(OtherFinishes(), "  red-OXIDE "), 2u);
    EXPECT_EQ(PreselectFinish(IronFinishes(), "PREGALVANIZED"), 2u);
    EXPECT_EQ(PreselectFinish(RodFinishes(), ""), 0u); // the blank entry
    EXPECT_EQ(PreselectFinish(HitenFinishes(), "Galvalume Plus"), std::nullopt);
    const FinishCatalogue twice{{"Gray", "", "A"}, {"G-ray", "", "B"}, {"Black", "", "C"}};
    EXPECT_EQ(PreselectFinish(twice, "gray"), 1u);
    EXPECT_EQ(NormalizeFinishName(" -Hot-Dip- "), "HOTDIP");
}

} // namespace
} // namespace waybill

// The one table of the trim details: its entries are whole and distinct, keep the names the
// menu, the undo history and scripts know them by, and hand each field to its generator.
#include "details/DetailCatalogue.h"

#include "DetailExpect.h"
#include "details/CapTrim.h"
#include "details/CondHead.h"
#include "details/DownSpout.h"
#include "details/EndDam.h"
#include "details/Gutter.h"
#include "details/RidgeCap.h"
#include "units/Text.h"

#include <set>

namespace waybill {
namespace {

using namespace test;

TEST(DetailCatalogue, EntriesAreWholeAndDistinct) {
    std::set<std::string> menuNames, commandWords;
    for (const DetailGenerator& generator : DetailCatalogue()) {
        SCOPED_TRACE(std::string(generator.word));
        ASSERT_FALSE(generator.variants.empty());
        // A generator without a submenu is one entry, named by its generator word alone.
        const bool single = generator.menuName.empty();
        EXPECT_EQ(single, generator.variants.size() == 1 && generator.variants[0].word.empty());
        if (!single) {
            EXPECT_TRUE(menuNames.insert(std::string(generator.menuName)).second);
        }
        for (const DetailVariant& variant : generator.variants) {
            SCOPED_TRACE(std::string(variant.menuName));
            ASSERT_NE(variant.form, nullptr);
            ASSERT_NE(variant.make, nullptr);
            EXPECT_FALSE(variant.menuCaption.empty() || variant.caption.empty() ||
                         variant.step.empty());
            EXPECT_EQ(single, variant.word.empty());
            EXPECT_TRUE(menuNames.insert(std::string(variant.menuName)).second);
            EXPECT_TRUE(
                commandWords
                    .insert(ToLower(std::string(generator.word) + " " + std::string(variant.word)))
                    .second);

            std::set<std::string> names, controls;
            for (const DetailField& field : variant.form->fields) {
                EXPECT_TRUE(names.insert(ToLower(field.name)).second) << field.name;
                const bool option = field.kind == DetailFieldKind::Option;
                EXPECT_EQ(option, !field.choices.empty()) << field.name;
                EXPECT_LE(field.choices.size(), 9u) << "typed as one digit";
                for (const DetailChoice& choice : field.choices) {
                    EXPECT_TRUE(controls.insert(std::string(choice.control)).second);
                }
            }
            if (variant.preset) {
                const auto& fields = variant.form->fields;
                const auto preset = std::find_if(fields.begin(), fields.end(), [&](const auto& f) {
                    return f.name == variant.preset->field;
                });
                ASSERT_NE(preset, fields.end());
                EXPECT_LT(static_cast<std::size_t>(variant.preset->choice), preset->choices.size());
            }
            for (std::string_view greyed : variant.greyed) {
                EXPECT_TRUE(names.contains(ToLower(greyed))) << greyed;
            }
        }
    }
}

// Every entry hands each field to its own place in its generator's input, with the option its
// menu entry picks.
TEST(DetailCatalogue, EachEntryHandsItsFieldsToItsGenerator) {
    const auto condHead = [](CondHeadOffset offset) {
        return MakeCondHead({"8", "6", "4", "3.5", "CH3", "VG4", offset});
    };
    const auto sSeam = [](SeamPanel panel, ClipType clip) {
        return MakeSSeamRidgeCap({"3", "2.0000", "0.06", "R1", "E1", panel, clip});
    };
    struct Case {
        const char* entry;
        std::map<std::string, int, std::less<>> choices; // besides the entry's own
        DetailResult expected;
    };
    const Case cases[] = {
        {"mnuAutoPgGutOversize",
         {{"PanelType", 1}},
         MakeGutter({GutterKind::Oversize, "10", "5", "3", GutterPanel::ApexSeam24R, "21"})},
        {"mnuAutoPgGutStandard",
         {{"PanelType", 2}},
         MakeGutter({GutterKind::Standard, "", "", "3", GutterPanel::StormGrip, "21"})},
        {"mnuAutoPgGutSevIcing",
         {},
         MakeGutter({GutterKind::SevereIce, "10", "5", "3", GutterPanel::ApexSpan, "21"})},
        {"mnuOversizeStdKO",
         {{"AddStrap", 1}},
         MakeDownSpout({"10", "5", "8.0102", "21", "D2", true, KickoutStyle::Standard})},
        {"mnuOversizeOldKO",
         {},
         MakeDownSpout({"10", "5", "8.0102", "21", "D2", false, KickoutStyle::OldStyle})},
        {"mnuDSOffset", {}, MakeDSOffset({"10", "5", "0.0208", "21"})},
        {"mnuCondHeadNormal", {}, condHead(CondHeadOffset::None)},
        {"mnuCondHeadLeft", {}, condHead(CondHeadOffset::Left)},
        {"mnuCondHeadRight", {}, condHead(CondHeadOffset::Right)},
        {"mnuMansardCapTrim", {}, MakeCapTrim({"24.5", "C1", "B1"})},
        {"mnuEndDamAS24R", {}, MakeEndDam({"60", "ED1", EndDamPanel::ApexSeam24R})},
        {"mnuEndDamIIPlus", {}, MakeEndDam({"60", "ED1", EndDamPanel::ApexSeamIIPlus})},
        {"mnuRidgeCapPrevent", {}, MakePreventRidgeCap({"3", "0.09", "R1", "E1"})},
        {"mnuRidgeCapSSeam", {{"Panel", 1}}, sSeam(SeamPanel::ApexSeam24R, ClipType::Low)},
        {"mnuRidgeCapSSeam", {{"Clip", 1}}, sSeam(SeamPanel::StormGrip16, ClipType::High)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        ASSERT_NE(PagesOf(c.expected), nullptr) << ErrorOf(c.expected).message;
        EXPECT_TRUE(MakeTyped(c.entry, {}, c.choices) == c.expected);
    }
}

TEST(FtDottedReading, ShowsTheLengthReadOrWhyNot) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"  ", ""},
        {"10.0608", "= 10'-6 1/2"},
        {"10'-6 1/2", "= 10'-6 1/2"},
        {"0.0208", "= 0'-2 1/2"},
        {"4", "= 4'-0"},
        {"10.12", "not a length"},
        {"ten", "not a length"},
        {"999999999.0000", "too large"},
    };
    for (const auto& [typed, shown] : cases) {
        EXPECT_EQ(FtDottedReading(typed), shown) << typed;
    }
}

} // namespace
} // namespace waybill

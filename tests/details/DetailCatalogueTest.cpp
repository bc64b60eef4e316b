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

const DetailVariant& Entry(std::string_view menuName) {
    for (const DetailGenerator& generator : DetailCatalogue()) {
        for (const DetailVariant& variant : generator.variants) {
            if (variant.menuName == menuName) {
                return variant;
            }
        }
    }
    throw std::invalid_argument(std::string(menuName));
}

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
                EXPECT_EQ(option, field.label.empty()) << field.name;
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
                EXPECT_EQ(variant.TypedFields().size(), fields.size() - 1);
            }
            for (std::string_view greyed : variant.greyed) {
                EXPECT_TRUE(names.contains(ToLower(greyed))) << greyed;
            }
        }
    }
}

// The menu's names and captions, the undo steps and the command line's words are what users,
// scripts and tests know the entries by.
TEST(DetailCatalogue, KeepsItsMenuStepsAndWords) {
    std::vector<std::string> seen;
    for (const DetailGenerator& generator : DetailCatalogue()) {
        if (!generator.menuName.empty()) {
            seen.push_back(std::string(generator.menuName) + " " +
                           std::string(generator.menuCaption));
        }
        for (const DetailVariant& variant : generator.variants) {
            seen.push_back("  " + std::string(variant.menuName) + " " +
                           std::string(variant.menuCaption) + " | " + std::string(variant.step) +
                           " | " + std::string(generator.word) + " " + std::string(variant.word));
        }
    }
    const std::vector<std::string> expected = {
        "mnuAutoPgGut &Gutter",
        "  mnuAutoPgGutOversize &Oversized | Oversized Gutter Detail | gutter oversize",
        "  mnuAutoPgGutStandard &Standard | Standard Gutter Detail | gutter standard",
        "  mnuAutoPgGutSevIcing For &Severe Icing | Gutter Detail for Severe Icing | gutter "
        "severeice",
        "mnuOversizeDS &Oversize Downspout",
        "  mnuOversizeStdKO w/ &Standard Kickout | Downspout Detail | downspout standard",
        "  mnuOversizeOldKO w/ &Old Style Kickout | Downspout Detail | downspout oldstyle",
        "  mnuDSOffset &Downspout Offset | Downspout Offset Detail | ds-offset ",
        "mnuCondHead &Conductor Head",
        "  mnuCondHeadNormal &Normal | Conductor Head Detail | cond-head none",
        "  mnuCondHeadLeft &Left Offset | Conductor Head Detail | cond-head left",
        "  mnuCondHeadRight &Right Offset | Conductor Head Detail | cond-head right",
        "  mnuMansardCapTrim &Mansard Cap Trim | Cap Trim Detail | cap-trim ",
        "mnuEndDam End Dam",
        "  mnuEndDamAS24R AS-24R | End Dam Detail | end-dam AS24R",
        "  mnuEndDamIIPlus II/Plus | End Dam Detail | end-dam IIPlus",
        "mnuRidgeCap &Ridge Cap",
        "  mnuRidgeCapPrevent &Prevent | Ridge Cap Detail | ridge-cap prevent",
        "  mnuRidgeCapSSeam &Standing Seam | Ridge Cap Detail | ridge-cap sseam",
    };
    EXPECT_EQ(seen, expected);
}

bool SameResult(const DetailResult& a, const DetailResult& b) {
    const DetailPages* pa = PagesOf(a);
    const DetailPages* pb = PagesOf(b);
    if (!pa || !pb) {
        return !pa && !pb && ErrorOf(a) == ErrorOf(b);
    }
    if (pa->steepSlopeWarning != pb->steepSlopeWarning || pa->pages.size() != pb->pages.size()) {
        return false;
    }
    for (std::size_t i = 0; i < pa->pages.size(); ++i) {
        const Page& x = pa->pages[i];
        const Page& y = pb->pages[i];
        if (x.CadNumber != y.CadNumber || x.Description != y.Description ||
            x.PageData != y.PageData) {
            return false;
        }
    }
    return true;
}

// Every field reaches its own place in the generator's input: distinct values everywhere, so a
// field read under another's name shows.
TEST(DetailCatalogue, EachEntryHandsItsFieldsToItsGenerator) {
    using Texts = std::map<std::string, std::string, std::less<>>;
    using Choices = std::map<std::string, int, std::less<>>;
    struct Case {
        const char* entry;
        Texts texts;
        Choices choices;
        DetailResult expected;
    };
    const Texts gutter = {{"Width", "10"}, {"Depth", "5"}, {"RoofSlope", "3"}, {"SFNumber", "21"}};
    const Texts spout = {{"Width", "6"},
                         {"Depth", "4"},
                         {"Length", "8.0102"},
                         {"SFNumber", "D1"},
                         {"StrapSFNumber", "D2"}};
    const Texts head = {{"GuWidth", "8"},   {"GuDepth", "6"},    {"DsWidth", "4"},
                        {"DsDepth", "3.5"}, {"CHNumber", "CH3"}, {"ValleyGutterNo", "VG4"}};
    const Texts seam = {{"RoofSlope", "6"},
                        {"PPToRidge", "2.0000"},
                        {"PanOHang", "0.06"},
                        {"RcSFNo", "R2"},
                        {"EcSFNo", "E2"}};
    const Case cases[] = {
        {"mnuAutoPgGutOversize",
         gutter,
         {{"PanelType", 1}},
         MakeGutter({GutterKind::Oversize, "10", "5", "3", GutterPanel::ApexSeam24R, "21"})},
        {"mnuAutoPgGutStandard",
         gutter,
         {{"PanelType", 2}},
         MakeGutter({GutterKind::Standard, "", "", "3", GutterPanel::StormGrip, "21"})},
        {"mnuAutoPgGutSevIcing",
         gutter,
         {{"PanelType", 0}},
         MakeGutter({GutterKind::SevereIce, "10", "5", "3", GutterPanel::ApexSpan, "21"})},
        {"mnuOversizeStdKO",
         spout,
         {{"KickoutStyle", 0}, {"AddStrap", 1}},
         MakeDownSpout({"6", "4", "8.0102", "D1", "D2", true, KickoutStyle::Standard})},
        {"mnuOversizeOldKO",
         spout,
         {{"KickoutStyle", 1}},
         MakeDownSpout({"6", "4", "8.0102", "D1", "D2", false, KickoutStyle::OldStyle})},
        {"mnuDSOffset",
         {{"Width", "6"}, {"Depth", "8"}, {"Offset", "0.0208"}, {"SFNumber", "O1"}},
         {},
         MakeDSOffset({"6", "8", "0.0208", "O1"})},
        {"mnuCondHeadNormal",
         head,
         {{"Offset", 0}},
         MakeCondHead({"8", "6", "4", "3.5", "CH3", "VG4", CondHeadOffset::Right})},
        {"mnuCondHeadNormal",
         head,
         {{"Offset", 1}},
         MakeCondHead({"8", "6", "4", "3.5", "CH3", "VG4", CondHeadOffset::None})},
        {"mnuCondHeadLeft",
         head,
         {{"Offset", 2}},
         MakeCondHead({"8", "6", "4", "3.5", "CH3", "VG4", CondHeadOffset::Left})},
        {"mnuMansardCapTrim",
         {{"Dim", "24.5"}, {"CtSF", "C1"}, {"BcSF", "B1"}},
         {},
         MakeCapTrim({"24.5", "C1", "B1"})},
        {"mnuEndDamAS24R",
         {{"AngleP2", "60"}, {"EdNo", "ED1"}},
         {{"Panel", 1}},
         MakeEndDam({"60", "ED1", EndDamPanel::ApexSeamIIPlus})},
        {"mnuRidgeCapPrevent",
         {{"RoofSlope", "12"}, {"LegLength", "0.09"}, {"RcSFNo", "R1"}, {"EcSFNo", "E1"}},
         {},
         MakePreventRidgeCap({"12", "0.09", "R1", "E1"})},
        {"mnuRidgeCapSSeam",
         seam,
         {{"Panel", 1}, {"Clip", 0}},
         MakeSSeamRidgeCap(
             {"6", "2.0000", "0.06", "R2", "E2", SeamPanel::ApexSeam24R, ClipType::Low})},
        {"mnuRidgeCapSSeam",
         seam,
         {{"Panel", 0}, {"Clip", 1}},
         MakeSSeamRidgeCap(
             {"6", "2.0000", "0.06", "R2", "E2", SeamPanel::StormGrip16, ClipType::High})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        const DetailResult made = Entry(c.entry).make({c.texts, c.choices});
        ASSERT_NE(PagesOf(c.expected), nullptr) << ErrorOf(c.expected).message;
        EXPECT_TRUE(SameResult(made, c.expected));
    }
}

// Opening an entry picks the option its menu entry names; the command line's variant word does
// the same.
TEST(DetailCatalogue, PresetsPickTheEntrysOption) {
    const std::pair<const char*, DetailResult> cases[] = {
        {"mnuOversizeOldKO", MakeDownSpout({"6", "4", "8", "", "", false, KickoutStyle::OldStyle})},
        {"mnuCondHeadRight", MakeCondHead({"8", "6", "4", "3", "", "", CondHeadOffset::Right})},
        {"mnuEndDamIIPlus", MakeEndDam({"60", "", EndDamPanel::ApexSeamIIPlus})},
    };
    for (const auto& [entry, expected] : cases) {
        DetailInputs inputs = Entry(entry).Preset();
        inputs.texts = {{"Width", "6"},   {"Depth", "4"},   {"Length", "8"},  {"GuWidth", "8"},
                        {"GuDepth", "6"}, {"DsWidth", "4"}, {"DsDepth", "3"}, {"AngleP2", "60"}};
        EXPECT_TRUE(SameResult(Entry(entry).make(inputs), expected)) << entry;
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

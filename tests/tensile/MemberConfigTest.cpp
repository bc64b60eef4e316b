#include "tensile/MemberConfig.h"

#include "units/Parsers.h"
#include "units/Text.h"

#include <gtest/gtest.h>

namespace waybill {

void PrintTo(const MemberChoices& c, std::ostream* out) {
    const auto index = [](const std::optional<std::size_t>& i) {
        return i ? std::to_string(*i) : std::string("-");
    };
    *out << "{size " << index(c.size) << ", flange " << index(c.flange) << ", gauge "
         << index(c.gauge) << (c.preGalvanized ? ", pre-galvanized" : "") << ", finish "
         << c.finish.value_or("-") << "}";
}

namespace {

const std::vector<std::string> kFinishes{"Red-Oxide",     "Gray",      "Black",
                                         "Hot Dip Galv.", "Unpainted", "Finish by Others"};

MemberChoices Choose(int depth, int flange, int gauge, bool preGalv,
                     std::optional<std::string> finish = std::nullopt) {
    return {FindMemberSize(depth), FindMemberFlange(flange), FindMemberGauge(gauge), preGalv,
            std::move(finish)};
}

TEST(MemberConfig, ChoicesGiveTheValueLinePartCodeAndFinish) {
    struct Case {
        MemberSection section;
        MemberChoices choices;
        std::string valueLine, partCode, finish, partNumber;
    };
    const Case cases[] = {
        {MemberSection::Zee, Choose(8, 2, 14, false, "Red-Oxide"),
         "|8|2|4|2|8\xF0 x 2\xCC x 2\xD4 x 14GA|ASTM A1011 Grade 55|13.9375 x 0.067 Min.|", "ZB24",
         "Red-Oxide", "528Z14"},
        {MemberSection::Cee, Choose(8, 4, 12, true),
         "|8|2|4|2|8\xEB x 4 x 4 x 12GA|ASTM A653 Grade D|16.9375 x 0.102 Min.|", "CB47",
         "Pre-Galvanized", "5284C12"},
        // A four-inch member has no size codes.
        {MemberSection::Zee, Choose(4, 3, 16, false, "Gray"),
         "|4||||4\xF0 x 3\xCC x 3\xD4 x 16GA|ASTM A1011 Grade 55|11.9375 x 0.056 Min.|", "ZF36",
         "Gray", "524312Z16"},
    };
    for (const Case& c : cases) {
        const auto encoding = EncodeMemberConfig(c.section, c.choices);
        ASSERT_TRUE(encoding) << c.partCode;
        EXPECT_EQ(encoding->valueLine, c.valueLine);
        EXPECT_EQ(encoding->values, SplitPipeList(c.valueLine));
        EXPECT_EQ(encoding->partCode, c.partCode);
        EXPECT_EQ(encoding->finish, c.finish);
        EXPECT_EQ(MemberPartNumber(encoding->partCode), c.partNumber);
    }
}

TEST(MemberConfig, OkNeedsSizeFlangeGaugeAndAFinishOrPreGalvanizing) {
    EXPECT_TRUE(MemberChoicesComplete(Choose(8, 2, 14, true)));
    EXPECT_TRUE(MemberChoicesComplete(Choose(8, 2, 14, false, "Black")));
    EXPECT_FALSE(MemberChoicesComplete(Choose(8, 2, 14, false)));
    EXPECT_FALSE(MemberChoicesComplete(Choose(9, 2, 14, true)));
    EXPECT_FALSE(MemberChoicesComplete(Choose(8, 5, 14, true)));
    EXPECT_FALSE(MemberChoicesComplete(Choose(8, 2, 18, true)));
    EXPECT_FALSE(EncodeMemberConfig(MemberSection::Zee, Choose(8, 2, 14, false)));
}

TEST(MemberConfig, EveryConfigurationReopensWithTheSameChoices) {
    for (const auto section : {MemberSection::Zee, MemberSection::Cee}) {
        for (std::size_t size = 0; size < kMemberSizes.size(); ++size) {
            for (std::size_t flange = 0; flange < kMemberFlanges.size(); ++flange) {
                for (std::size_t gauge = 0; gauge < kMemberGauges.size(); ++gauge) {
                    for (const bool preGalv : {false, true}) {
                        MemberChoices choices{size, flange, gauge, preGalv, std::nullopt};
                        if (!preGalv) {
                            choices.finish = kFinishes[(size + gauge) % kFinishes.size()];
                        }
                        const auto encoding = EncodeMemberConfig(section, choices);
                        ASSERT_TRUE(encoding);
                        EXPECT_EQ(DecodeMemberConfig(encoding->valueLine, ToUpper(encoding->finish),
                                                     kFinishes),
                                  choices)
                            << encoding->valueLine;
                        EXPECT_TRUE(MemberPartNumber(encoding->partCode)) << encoding->partCode;
                    }
                }
            }
        }
    }
}

TEST(MemberConfig, DefaultValuesChooseNothingButTheFinish) {
    const auto choices =
        DecodeMemberConfig("|D|X|Y|X|ZEE SIZE|MATERIAL|STRIP SIZE|", "red-oxide", kFinishes);
    EXPECT_EQ(choices, (MemberChoices{std::nullopt, std::nullopt, std::nullopt, false,
                                      std::string("Red-Oxide")}));
    EXPECT_EQ(DecodeMemberConfig("", "Gray", kFinishes).finish, "Gray");
    EXPECT_EQ(DecodeMemberConfig("|", "Purple", kFinishes), MemberChoices{});
}

TEST(MemberConfig, DecodingReadsTheDescriptionTheWayOlderPagesWroteIt) {
    // A description ending at its "x", an unknown flange pair, a gauge not offered.
    EXPECT_EQ(DecodeMemberConfig("|10||||10\xF0 x|", "", kFinishes),
              (MemberChoices{3, std::nullopt, std::nullopt, false, std::nullopt}));
    EXPECT_EQ(DecodeMemberConfig("|6||||6\xF0 x 5 x 5 x 18GA|", "", kFinishes),
              (MemberChoices{1, std::nullopt, std::nullopt, false, std::nullopt}));
    // A zee flange text on a cee page still reads, and so does 14 as "14 GA".
    EXPECT_EQ(
        DecodeMemberConfig("|12||||12\xEB x 3\xDC x 3\xE4 x 14 GA|ASTM A653|", "Gray", kFinishes),
        (MemberChoices{4, 2, 1, true, std::nullopt}));
}

TEST(MemberConfig, PartNumberRejectsTextsThatAreNoPartCode) {
    EXPECT_EQ(MemberPartNumber("ca39"), "526312C14");
    for (const char* code : {"", "ZB2", "ZB241", "XB24", "ZG24", "ZB54", "ZB28"}) {
        EXPECT_FALSE(MemberPartNumber(code)) << code;
    }
}

} // namespace
} // namespace waybill

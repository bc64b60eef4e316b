#include "tensile/PunchTemplates.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

const PunchTemplates& Templates() {
    static const PunchTemplates templates =
        ReadPunchTemplates("stray, 9, 9\r\n"
                           ":End-Holes\r\n"
                           "  WEB, 1.375, 9/16  \r\n"
                           "\r\n"
                           ":b-lead-opt\n"
                           "[ END-HOLES ]\n"
                           "WEB,4.375\n"
                           ":loop\n"
                           "[loop]\n"
                           ":a\n[b]\n:b\n[a]\n"
                           ":bad\nWEB\n"
                           ":words\nWEB, four, 9/16\n"
                           ":twice\nWEB, 1, 1\n:twice\nWEB, 2, 2\n"
                           ":wide\n[b-lead-opt]\n[b-lead-opt]\n[b-lead-opt]\n"
                           ":below\nWEB, -5, 9/16\n"
                           ":start\nWEB, 0, 9/16\n"
                           ":huge\nWEB, 1e39, 9/16\n"
                           ":outer\nWEB, 1, 1\n[middle]\n:middle\n[below]\n"
                           ":lost\n[nowhere]\n");
    return templates;
}

std::variant<std::vector<TemplateHole>, std::string> Expand(const char* name,
                                                            std::size_t max = 32) {
    return ExpandTemplate(Templates(), name, max);
}

TEST(PunchTemplates, IncludesExpandInPlaceWhateverTheCase) {
    const auto holes = std::get<std::vector<TemplateHole>>(Expand("B-LEAD-OPT"));
    ASSERT_EQ(holes.size(), 2u);
    EXPECT_EQ(holes[0].position, 1.375f);
    EXPECT_EQ(holes[0].source, "Punch template \"END-HOLES\" (included in \"B-LEAD-OPT\")");
    EXPECT_EQ(holes[0].line, "WEB, 1.375, 9/16");
    EXPECT_EQ(holes[1].position, 4.375f);
    EXPECT_EQ(holes[1].source, "Punch template \"B-LEAD-OPT\"");
    EXPECT_EQ(std::get<std::vector<TemplateHole>>(Expand("wide")).size(), 6u);
    EXPECT_EQ(Templates().templates.count(""), 0u);
}

TEST(PunchTemplates, UnusableTemplatesAreReportedByName) {
    const std::pair<const char*, const char*> cases[] = {
        {"missing", "Punch template \"missing\" not found in PunchTemplates.txt."},
        {"loop", "Punch template \"loop\" includes itself or nests its includes too deeply."},
        {"a", "Punch template \"b\" (included in \"a\") includes itself or nests its includes "
              "too deeply."},
        {"bad", "Punch template \"bad\" has a hole line without a position: WEB"},
        {"words", "Punch template \"words\" has a hole line without a position: WEB, four, 9/16"},
        {"twice", "Punch template \"twice\" is defined twice in PunchTemplates.txt."},
        {"below", "Punch template \"below\" has a hole position below 0: WEB, -5, 9/16"},
        {"huge", "Punch template \"huge\" has a hole position too large for the special "
                 "patterns file: WEB, 1e39, 9/16"},
        // An included template's fault names the template the member asked for as well.
        {"outer", "Punch template \"below\" (included in \"outer\") has a hole position below "
                  "0: WEB, -5, 9/16"},
        {"lost", "Punch template \"nowhere\" (included in \"lost\") not found in "
                 "PunchTemplates.txt."},
    };
    for (const auto& [name, why] : cases) {
        EXPECT_EQ(std::get<std::string>(Expand(name)), why) << name;
    }
    EXPECT_EQ(std::get<std::string>(Expand("wide", 5)),
              "Punch template \"b-lead-opt\" (included in \"wide\") has more holes than one "
              "section of a special pattern holds.");
    // A hole at the member's very start is no fault.
    EXPECT_EQ(std::get<std::vector<TemplateHole>>(Expand("start")).at(0).position, 0.0f);
}

} // namespace
} // namespace waybill

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
                           ":wide\n[b-lead-opt]\n[b-lead-opt]\n[b-lead-opt]\n");
    return templates;
}

std::variant<std::vector<float>, std::string> Expand(const char* name, std::size_t max = 32) {
    return ExpandTemplate(Templates(), name, max);
}

TEST(PunchTemplates, IncludesExpandInPlaceWhateverTheCase) {
    EXPECT_EQ(std::get<std::vector<float>>(Expand("B-LEAD-OPT")),
              (std::vector<float>{1.375f, 4.375f}));
    EXPECT_EQ(std::get<std::vector<float>>(Expand("wide")).size(), 6u);
    EXPECT_EQ(Templates().templates.count(""), 0u);
}

TEST(PunchTemplates, UnusableTemplatesAreReportedByName) {
    const std::pair<const char*, const char*> cases[] = {
        {"missing", "Punch template \"missing\" not found in PunchTemplates.txt."},
        {"loop", "Punch template \"loop\" includes itself or nests its includes too deeply."},
        {"a", "Punch template \"b\" includes itself or nests its includes too deeply."},
        {"bad", "Punch template \"bad\" has a hole line without a position: WEB"},
        {"words", "Punch template \"words\" has a hole line without a position: WEB, four, 9/16"},
        {"twice", "Punch template \"twice\" is defined twice in PunchTemplates.txt."},
    };
    for (const auto& [name, why] : cases) {
        EXPECT_EQ(std::get<std::string>(Expand(name)), why) << name;
    }
    EXPECT_EQ(std::get<std::string>(Expand("wide", 5)),
              "Punch template \"b-lead-opt\" has more holes than one section of a special "
              "pattern holds.");
}

} // namespace
} // namespace waybill

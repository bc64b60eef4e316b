#include "platform/TextFile.h"
#include "ShippedData.h"
#include "units/NumberText.h"
#include "units/Text.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace waybill::testdata {
namespace {

// The templates as the punch export reads them: hole lines and "[name]" includes, in file
// order, by lower-case name; lines before the first template under "".
const std::map<std::string, std::vector<std::string>>& ShippedTemplates() {
    static const auto templates = [] {
        std::map<std::string, std::vector<std::string>> read;
        const std::string content = ReadWholeFile(DataDir() / "PunchTemplates.txt").value_or("");
        std::vector<std::string>* current = &read[""];
        for (LineReader lines(content); !lines.AtEnd();) {
            const std::string line = Trim(lines.Next());
            if (line.empty()) {
                continue;
            }
            if (line[0] == ':') {
                current = &read[ToLower(Trim(line.substr(1)))];
            } else {
                current->push_back(line);
            }
        }
        return read;
    }();
    return templates;
}

// The hole positions (field 1 of a hole line, inches from the member's end) of a template with
// its includes expanded in place; fails the test on a missing template or an include that
// leads back to a template being expanded.
void Expand(const std::string& name, std::vector<double>& positions,
            std::vector<std::string> chain = {}) {
    const auto found = ShippedTemplates().find(name);
    ASSERT_NE(found, ShippedTemplates().end()) << "no template " << name;
    ASSERT_EQ(std::ranges::count(chain, name), 0)
        << "template " << chain.front() << " includes itself via " << name;
    chain.push_back(name);
    for (const auto& line : found->second) {
        const std::size_t first = line.find(',');
        const auto position =
            first == std::string::npos
                ? std::nullopt
                : NumericValue(line.substr(first + 1, line.find(',', first + 1) - first - 1));
        if (line[0] == '[') {
            Expand(ToLower(Trim(line.substr(1, line.size() - 2))), positions, chain);
        } else if (position) {
            positions.push_back(*position);
        } else {
            ADD_FAILURE() << name << ": no hole position in \"" << line << "\"";
        }
    }
}

std::vector<double> Positions(const std::string& name) {
    std::vector<double> positions;
    Expand(name, positions);
    return positions;
}

TEST(PunchTemplates, EveryLineBelongsToATemplateThatExpandsWithoutIncludingItself) {
    EXPECT_TRUE(ShippedTemplates().at("").empty());
    for (const auto& [name, lines] : ShippedTemplates()) {
        Positions(name);
    }
}

// The codes that punch, with the minimum member length that the validation asks of them.
TEST(PunchTemplates, EveryPunchingCodeHasLeadAndTailTemplatesThatFitItsLength) {
    const std::pair<char, double> codes[] = {{'a', 2.75}, {'b', 18.75}, {'c', 54.75},
                                             {'d', 0},    {'e', 78.75}, {'f', 134.75}};
    for (const auto& [code, allowance] : codes) {
        for (const char* end : {"-lead-opt", "-tail-opt"}) {
            const std::string name = std::string(1, code) + end;
            const std::vector<double> positions = Positions(name);
            EXPECT_FALSE(positions.empty()) << name;
            // A section of the patterns record holds 32 hole pairs.
            EXPECT_LE(positions.size(), 32u) << name;
            for (double position : positions) {
                EXPECT_GT(position, 0) << name;
                if (allowance > 0) {
                    EXPECT_LT(position, allowance) << name;
                }
            }
        }
    }
    // The export tells the user that an E lead punch leaves room for 20 "A" dimensions.
    EXPECT_EQ(Positions("e-lead-opt").size(), 12u);
}

} // namespace
} // namespace waybill::testdata

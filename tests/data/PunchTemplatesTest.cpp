#include "platform/TextFile.h"
#include "ShippedData.h"
#include "units/NumberText.h"
#include "units/Text.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace waybill::testdata {
namespace {

// The templates as the punch export reads them: hole lines and "[name]" includes, in file
// order, by lower-case name.
struct Templates {
    std::map<std::string, std::vector<std::string>> byName;
    std::vector<std::string> linesOutsideTemplates;
};

const Templates& ShippedTemplates() {
    static const Templates templates = [] {
        Templates read;
        const auto content = ReadWholeFile(DataDir() / "PunchTemplates.txt");
        if (!content) {
            return read;
        }
        std::vector<std::string>* current = nullptr;
        LineReader lines(*content);
        while (!lines.AtEnd()) {
            const std::string line = Trim(lines.Next());
            if (line.empty()) {
                continue;
            }
            if (line[0] == ':') {
                current = &read.byName[ToLower(Trim(line.substr(1)))];
            } else if (!current) {
                read.linesOutsideTemplates.push_back(line);
            } else {
                current->push_back(line);
            }
        }
        return read;
    }();
    return templates;
}

// Field 1 of a hole line: the hole position in inches from the member's end.
std::optional<double> HolePosition(const std::string& line) {
    const std::size_t first = line.find(',');
    if (first == std::string::npos) {
        return std::nullopt;
    }
    return NumericValue(line.substr(first + 1, line.find(',', first + 1) - first - 1));
}

// The positions of a template with its includes expanded in place; fails the test on a
// missing template or an include that leads back to a template being expanded.
void Expand(const std::string& name, std::vector<std::string>& chain,
            std::vector<double>& positions) {
    const auto& templates = ShippedTemplates().byName;
    const auto found = templates.find(name);
    ASSERT_NE(found, templates.end()) << "no template " << name;
    for (const auto& open : chain) {
        ASSERT_NE(open, name) << "template " << chain.front() << " includes itself via " << name;
    }
    chain.push_back(name);
    for (const auto& line : found->second) {
        if (line[0] == '[') {
            Expand(ToLower(Trim(line.substr(1, line.size() - 2))), chain, positions);
        } else if (const auto position = HolePosition(line)) {
            positions.push_back(*position);
        } else {
            ADD_FAILURE() << name << ": no hole position in \"" << line << "\"";
        }
    }
    chain.pop_back();
}

std::vector<double> Positions(const std::string& name) {
    std::vector<std::string> chain;
    std::vector<double> positions;
    Expand(name, chain, positions);
    return positions;
}

TEST(PunchTemplates, EveryLineBelongsToATemplateThatExpandsWithoutIncludingItself) {
    EXPECT_TRUE(ShippedTemplates().linesOutsideTemplates.empty());
    ASSERT_FALSE(ShippedTemplates().byName.empty());
    for (const auto& [name, lines] : ShippedTemplates().byName) {
        Positions(name);
    }
}

// The codes that punch, with the minimum member length that the validation asks of them.
struct PunchCode {
    char code;
    double allowance;
};
constexpr PunchCode kPunchingCodes[] = {{'a', 2.75}, {'b', 18.75}, {'c', 54.75},
                                        {'d', 0},    {'e', 78.75}, {'f', 134.75}};

TEST(PunchTemplates, EveryPunchingCodeHasLeadAndTailTemplatesThatFitItsLength) {
    for (const auto& [code, allowance] : kPunchingCodes) {
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

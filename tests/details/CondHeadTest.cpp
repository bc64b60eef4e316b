#include "details/CondHead.h"

#include "DetailExpect.h"

namespace waybill {
namespace {

using namespace test;

CondHeadInput Head(const char* guWidth, const char* guDepth, const char* dsWidth,
                   const char* dsDepth, CondHeadOffset offset = CondHeadOffset::None) {
    return {guWidth, guDepth, dsWidth, dsDepth, " CH1 ", "VG2", offset};
}

TEST(CondHead, ValidationFirstFailingRuleWins) {
    const std::string range = "Invalid number.  Value must be from 4 to 24.";
    const std::string eighth = "Downspout must be smaller than gutter by more than 1/8 inch.";
    const std::string quarter = "Downspout must be smaller than gutter by more than 1/4 inch.";
    const auto left = CondHeadOffset::Left;
    const auto right = CondHeadOffset::Right;
    const std::pair<CondHeadInput, DetailInputError> cases[] = {
        {Head("3.99", "5", "4", "3"), {range, "GuWidth"}},
        {Head("24.01", "5", "4", "3"), {range, "GuWidth"}},
        {Head("", "", "", ""), {range, "GuWidth"}},
        {Head("4", "5", "3", "3"), {}},
        {Head("24", "5", "4", "3"), {}},
        {Head("6", "24.01", "4", "3"), {range, "GuDepth"}},
        {Head("6", "5", "-1", "-1"), {"Invalid number.", "DsWidth"}},
        {Head("6", "5", "4", "-0.01"), {"Invalid number.", "DsDepth"}},
        {Head("6", "5", "5.875", "9"), {eighth, "DsWidth"}},
        {Head("6", "5", "5.8", "4.875"), {eighth, "DsDepth"}},
        {Head("6", "5", "5.8", "4.8"), {}},
        {Head("6", "5", "5.8", "3", left), {quarter, "DsWidth"}},
        {Head("6", "5", "5.7", "4.75", right), {quarter, "DsDepth"}},
        {Head("6", "5", "5.7", "4.7", left), {}},
    };
    for (const auto& [input, error] : cases) {
        ExpectOutcome(MakeCondHead(input), error,
                      input.guWidth + "/" + input.guDepth + "/" + input.dsWidth + "/" +
                          input.dsDepth);
    }
}

TEST(CondHead, CentredAndOffsetOutlets) {
    // Gutter 6 x 5, downspout 4 x 3: H = (6 - 4 + 1/4) / 2 = 1 1/8, HS = Round16(H / cos 45)
    // = 1 9/16, A = 3 7/8, B = 2 7/8, C = 4, D = 6 1/8, E = 8 9/16, F = 20 1/4.
    ExpectPage(MakeCondHead(Head("6", "5", "4", "3")), 0, "conhd", "TRIM DETAILS (Conductor Head)",
               {"ATTRIBLK: conhd",
                Line("1'-8^4|4|6^2|4|6^2|8^9|4|1^9|3|1^2|2^14|1^2|1^2|3^14|1^2|1^2|2^14|1^2|3^14|"
                     "1^2|CH1|8^9 x 1'-8^4|VG2")});
    // Offset: H = 2 1/4, HS = Round16(2.25 / cos 45) = 3 3/16, C = 5 1/8, E = 10 3/16,
    // F = 22 1/2, H + gutter depth + 2 = 9 1/4.
    const std::string offset = Line("1'-10^8|5^2|6^2|5^2|6^2|9^4|4|2^4|3^3|3^3|3|2^4|10^3|2^14|2^4|"
                                    "3^14|2^4|2^4|2^14|2^4|3^14|CH1|10^3 x 1'-10^8|VG2");
    ExpectPage(MakeCondHead(Head("6", "5", "4", "3", CondHeadOffset::Left)), 0, "conhdl",
               "TRIM DETAILS (Conductor Head-Left Offset)", {"ATTRIBLK: conhdl", offset});
    ExpectPage(MakeCondHead(Head("6", "5", "4", "3", CondHeadOffset::Right)), 0, "conhdr",
               "TRIM DETAILS (Conductor Head-Right Offset)", {"ATTRIBLK: conhdr", offset});
}

} // namespace
} // namespace waybill

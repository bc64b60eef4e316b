#include "DetailExpect.h"
#include "details/CapTrim.h"
#include "details/EndDam.h"

namespace waybill {
namespace {

using namespace test;

TEST(CapTrim, DimensionMustBePositive) {
    for (const char* dim : {"0", "", "-1", "abc"}) {
        EXPECT_EQ(ErrorOf(MakeCapTrim({dim, "", ""})), (DetailInputError{"Invalid Number", "Dim"}))
            << dim;
    }
    EXPECT_NE(PagesOf(MakeCapTrim({"0.01", "", ""})), nullptr);
    EXPECT_EQ(ErrorOf(MakeCapTrim({"2e6", "", ""})).field, "Dim");
}

TEST(CapTrim, Values) {
    // Dim 10: P1 = 10 1/8, P2 = 10 1/16, P3 = 17 3/4, P4 = 16 3/8.
    ExpectPage(MakeCapTrim({"10", " 77 ", "88"}), 0, "captrim", "Cap Trim Detail",
               {"ATTRIBLK: trim23", Line("10|10^2|77|1'-5^12|SF-88|SF-77|10^1|88|1'-4^6")});
}

TEST(EndDam, AngleValidationAndUnformableAngles) {
    const DetailInputError range{"Invalid angle.  Value must be between 0 and 360.", "AngleP2"};
    const DetailInputError none{"Invalid angle.  No end dam can be formed at this angle.",
                                "AngleP2"};
    const std::pair<const char*, DetailInputError> cases[] = {
        {"360.5", range},   {"-0.5", range},    {"1e99", range}, {"0", none},   {"", none},
        {"0.0001", none},   {"179.9999", none}, {"180", none},   {"270", none}, {"360", none},
        {"359.9999", none}, {"0.01", {}},       {"179.99", {}},  {"1", {}},
    };
    for (const EndDamPanel panel : {EndDamPanel::ApexSeam24R, EndDamPanel::ApexSeamIIPlus}) {
        for (const auto& [angle, error] : cases) {
            ExpectOutcome(MakeEndDam({angle, "ED1", panel}), error, angle);
        }
    }
}

TEST(EndDam, ApexSeam24R) {
    // At 90 degrees the sine is 1: T = (1 + 3/4 + 1/2 + 5/16) x 2 + 18 3/4 = 23 7/8.
    ExpectPage(
        MakeEndDam({"90", " ED1 ", EndDamPanel::ApexSeam24R}), 0, "enddam", "End Dam Detail",
        {"ATTRIBLK: enddam", Line("^12|1|^8|^5|1'-6^12|^5|^8|1|^12|1'-11^14|ED1|2'-1^14|90")});
    // At 45 degrees: R1 = 1 1/16, R2 = 1 7/16, R3 = 11/16, R4 = 7/16, R5 = 26 1/2, T = 33 3/4.
    ExpectPage(
        MakeEndDam({"45", "ED1", EndDamPanel::ApexSeam24R}), 0, "enddam", "End Dam Detail",
        {"ATTRIBLK: enddam", Line("1^1|1^7|^11|^7|2'-2^8|^7|^11|1^7|1^1|2'-9^12|ED1|2'-11^12|45")});
}

TEST(EndDam, ApexSeamIIPlus) {
    // At 90 degrees: U = (5/8 + 13/16 + 5/8) x 2 + 19 13/16 = 23 15/16.
    ExpectPage(
        MakeEndDam({"90", "ED2", EndDamPanel::ApexSeamIIPlus}), 0, "enddam2",
        "End Dam Detail (Apex Seam-II/Apex Seam-Plus)",
        {"ATTRIBLK: enddam2", Line("^13|^10|^10|1'-7^13|^10|^10|^13|1'-11^15|ED2|2'-1^15|90")});
    // The angle is written as a plain number, decimals kept.
    const DetailResult result = MakeEndDam({"87.25", "ED2", EndDamPanel::ApexSeamIIPlus});
    ASSERT_NE(PagesOf(result), nullptr);
    EXPECT_TRUE(PagesOf(result)->pages[0].PageData[1].ends_with("|87.25|"));
}

} // namespace
} // namespace waybill

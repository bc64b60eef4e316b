#include "details/RidgeCap.h"

#include "DetailExpect.h"

namespace waybill {
namespace {

using namespace test;

const std::string kSlope = "Invalid roof slope.  Slope must be greater than 0.";
const std::string kTooLarge = "Invalid number.  The resulting dimensions are too large.";

TEST(PreventRidgeCap, Validation) {
    const std::pair<PreventRidgeCapInput, DetailInputError> cases[] = {
        {{"0", "0", "", ""}, {kSlope, "RoofSlope"}},
        {{"", "1.06", "", ""}, {kSlope, "RoofSlope"}},
        {{"4", "0", "", ""}, {"Invalid length.", "LegLength"}},
        {{"4", "", "", ""}, {"Invalid length.", "LegLength"}},
        {{"4", "0.0001", "", ""}, {}},
        {{"1e7", "1", "", ""}, {kTooLarge, "RoofSlope"}},
        {{"4", "99999.00", "", ""}, {kTooLarge, "LegLength"}},
    };
    for (const auto& [input, error] : cases) {
        ExpectOutcome(MakePreventRidgeCap(input), error, input.roofSlope + "/" + input.legLength);
    }
}

TEST(PreventRidgeCap, Values) {
    // 4:12, leg 1'-6: G1 = Round16(0.75 / 3) = 1/4, G2 = 19, G3 = Round16(19 cos) = 18,
    // G4 = Round16(19 sin) = 6, G5 = Round16(3 sin) = 15/16, G6 = 17 1/16, G7 = 36,
    // G8 = Round16(3 cos + 6) = 8 7/8, G9 = Round16(G6 / 3) = 5 11/16.
    ExpectPage(
        MakePreventRidgeCap({"4", "1.0600", "RC1", " EC1 "}), 0, "trim27", "Prevent Ridge cap",
        {"ATTRIBLK: trim27", Line("4|1'-6|1'-6|144\xB0|3'-3|RC1|1'-6|^4|1'-7|1'-6|6|^15|1'-5^1|3'|"
                                  "8^14|5^11|8^14 x 3'|EC1")});
}

TEST(PreventRidgeCap, AngleText) {
    for (const auto& [slope, text] :
         {std::pair{"12", "90\xB0"}, {"1", "172\xB0"}}) { // 4:12 in the values above
        const DetailResult result = MakePreventRidgeCap({slope, "1", "", ""});
        EXPECT_EQ(Values(result, 0, 0).at(3), text);
    }
}

TEST(SSeamRidgeCap, Validation) {
    const std::string overhang = "Distance to ridge must be greater than panel overhang.";
    const std::pair<SSeamRidgeCapInput, DetailInputError> cases[] = {
        {{"-1", "", "", "", ""}, {kSlope, "RoofSlope"}},
        {{"4", "0", "0", "", ""}, {"Invalid length.", "PPToRidge"}},
        {{"4", "1", "0", "", ""}, {"Invalid length.", "PanOHang"}},
        {{"4", "1.0000", "1.0000", "", ""}, {overhang, "PanOHang"}},
        {{"4", "1.0000", "1.0001", "", ""}, {overhang, "PanOHang"}},
        {{"4", "1.0001", "1.0000", "", ""}, {}},
        {{"1e7", "2", "1", "", ""}, {kTooLarge, "RoofSlope"}},
        {{"4", "99999.00", "1", "", ""}, {kTooLarge, "PPToRidge"}},
    };
    for (const auto& [input, error] : cases) {
        ExpectOutcome(MakeSSeamRidgeCap(input), error,
                      input.roofSlope + "/" + input.ppToRidge + "/" + input.panOHang);
    }
}

TEST(SSeamRidgeCap, PanelAndClipChooseTheOffsets) {
    // 4:12, 1' to the ridge, 4" overhang: X = 8 + K / 3 - 3.8017.
    struct Case {
        SeamPanel panel;
        ClipType clip;
        const char* y;
        const char* z;
    };
    const Case cases[] = {
        // K 4 3/8, V 4 1/2: Y = Round16(10.1566) = 10 3/16, Z = 33.
        {SeamPanel::ApexSeam24R, ClipType::High, "10^3", "2'-9"},
        // K 3 3/8, V 4 1/2: Y = Round16(9.8233) = 9 13/16, Z = 32 1/4.
        {SeamPanel::ApexSeam24R, ClipType::Low, "9^13", "2'-8^4"},
        // K 3 3/8, V 4: Y = Round16(9.3233) = 9 5/16, Z = 31 1/4.
        {SeamPanel::StormGrip16, ClipType::High, "9^5", "2'-7^4"},
        // K 2 3/8, V 4: Y = Round16(8.9900) = 9, Z = 30 5/8.
        {SeamPanel::StormGrip16, ClipType::Low, "9", "2'-6^10"},
    };
    for (const Case& c : cases) {
        ExpectPage(MakeSSeamRidgeCap({"4", "1.0000", "0.04", "RC", "EC", c.panel, c.clip}), 0,
                   "trim28", "Standing Seam Ridge cap",
                   {"ATTRIBLK: trim28", Line(std::string(c.y) + "|4|108\xB0|RC|" + c.z + "|EC")});
    }
}

} // namespace
} // namespace waybill

// Detail pages computed by hand from the formulas, one case per generator and variant, added
// at the end of a document by the command line.
#include "../model/TempDir.h"
#include "cli/Commands.h"
#include "details/CondHead.h"
#include "model/FwbFile.h"

#include <gtest/gtest.h>
#include <sstream>

namespace waybill {
namespace {

using test::TempDir;

std::string Sx(int n) {
    return std::string(1, static_cast<char>(200 + 2 * n));
}
const std::string kDeg = "\xB0";

std::string Line(const std::vector<std::string>& values) {
    std::string line = "|";
    for (const std::string& v : values) {
        line += v + "|";
    }
    return line;
}

const std::string kDocument = "VB WAYBILL 1.0\r\n**HEADER\r\nDetail By: JD\r\nIssue: \r\n"
                              "Checked By: \r\nDate: 1.2.2026\r\nCustomer: Acme\r\n"
                              "Job Number: 4471\r\nNumber Pages: True\r\n"
                              "Show Page Total: False\r\nPassword: \r\n**END HEADER\r\n"
                              "**PAGEDEF\r\nsht01-1,PG,Roof\r\nGRID: sht\r\n|a|b|\r\n"
                              "**PAGEDEF\r\ntrim22,,Old\r\nATTRIBLK: trim22\r\n|x|\r\n";

class DetailCommand : public testing::Test {
  protected:
    struct Run {
        int status;
        std::string err;
    };

    Run Detail(std::vector<std::string> args) {
        args.insert(args.begin(), {in.string(), out.string()});
        std::ostringstream o, e;
        const int status = cli::Detail(args, o, e);
        return {status, e.str()};
    }

    // The pages added behind the two pages of the document.
    std::vector<Page> Added() {
        Book book;
        EXPECT_FALSE(ReadFWB(out, book));
        EXPECT_GE(book.PageCount(), 2);
        EXPECT_EQ(book.GetPage(1).CadNumber, "sht01-1");
        EXPECT_EQ(book.GetPage(2).Description, "Old");
        std::vector<Page> pages;
        for (int i = 3; i <= book.PageCount(); ++i) {
            pages.push_back(book.GetPage(i));
        }
        return pages;
    }

    void ExpectOnePage(const std::vector<std::string>& args, const std::string& cad,
                       const std::string& description, const PageLines& lines) {
        const Run run = Detail(args);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto pages = Added();
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(pages[0].CadNumber, cad);
        EXPECT_EQ(pages[0].Description, description);
        EXPECT_EQ(pages[0].Finish, "");
        EXPECT_EQ(pages[0].PageData, lines);
    }

    TempDir dir;
    std::filesystem::path in = dir.Write("in.fwb", kDocument);
    std::filesystem::path out = dir / "out.fwb";
};

TEST_F(DetailCommand, Gutters) {
    // StormGrip at 4:12: B = Round16(5.25 / 0.94868 - 1/3) = 5 3/16, C = 3 3/16,
    // Total = 21 1/2.
    ExpectOnePage(
        {"gutter", "standard", "RoofSlope=4", "PanelType=3", "SFNumber=S7"}, "trim22",
        "TRIM DETAILS (Gutter for StormGrip Pnls.)",
        {"ATTRIBLK: trim22", Line({"4", "7" + Sx(4), "1" + Sx(4), "3" + Sx(3), "1", "5" + Sx(3),
                                   "108" + kDeg, "5" + Sx(10), "S7", "1'-9" + Sx(8)})});
    // Width 10, depth 5, 3:12, Apex Seam-24R (lap 3): A = Round16(5 x 0.97014 + 3) = 7 7/8,
    // B = Round16(4.875 / 0.97014 - 0.25) = 4 3/4, C = 1 7/8, Total = 26 1/16.
    ExpectOnePage(
        {"GUTTER", "OverSize", "width=10", "DEPTH=5", "RoofSlope=3", "PanelType=2",
         "SFNumber=2001"},
        "trim22-01", "TRIM DETAILS (Oversize Gutter for AS-24R Pnls.)",
        {"ATTRIBLK: trim22", Line({"3", "7" + Sx(14), "1" + Sx(14), "2" + Sx(12), "1", "4" + Sx(12),
                                   "104" + kDeg, "10", "2001", "2'-2" + Sx(1)})});
}

TEST_F(DetailCommand, SevereIcingGutterWarnsOfTheSteepSlopeAndGoesOn) {
    // StormGrip, width 6, depth 5, 7:12 (cos 0.86378, sin 0.50387): S = Round16(6.5 / cos)
    // = 7 1/2, V = Round16(6.25 + S sin) = 10, strap angle 180 - atan(0.05) = 177.14,
    // L = Round16(10.0125) = 10, M = 16 3/4.
    const Run run = Detail({"gutter", "severeice", "Width=6", "Depth=5", "RoofSlope=7",
                            "PanelType=3", "SFNumber=ABC"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "Shadow gutter should not be used with\nroof slopes greater than 6:12.\n");
    const auto pages = Added();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].CadNumber, "trim26-01");
    EXPECT_EQ(pages[0].Description, "TRIM DETAILS (Gutter w/strap for StormGrip Pnls.)");
    EXPECT_EQ(pages[0].PageData,
              (PageLines{"ATTRIBLK: trim26",
                         Line({"6", "7" + Sx(8), "3" + Sx(12), "3" + Sx(3), "7", "120" + kDeg,
                               "ABC", "1'-11" + Sx(11)}),
                         "ATTRIBLK: gutter_strap",
                         Line({"10", "10", Sx(8), "177", "177", ".", "1'-4" + Sx(12)})}));
}

TEST_F(DetailCommand, DownspoutWithStrapAddsTwoPages) {
    // Width 6, depth 4: K1 = Round16(3.6875 x 0.70711) = 2 5/8, K2 = Round16(3.875 / 0.70711)
    // = 5 1/2, K4 = Round16(4.875 x 0.70711) = 3 7/16, K5 = 5.9385, K6 = 12.8135.
    const Run run = Detail({"downspout", "standard", "Width=6", "Depth=4", "Length=8.0000",
                            "SFNumber=D1", "StrapSFNumber=D2", "AddStrap=1"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto pages = Added();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].CadNumber, "trim20");
    EXPECT_EQ(
        pages[0].PageData,
        (PageLines{"ATTRIBLK: trim20",
                   Line({"6", "4", "8'", "D1", "1'-9", "3" + Sx(15), "2" + Sx(10), "2" + Sx(10),
                         "3" + Sx(7), "5" + Sx(8), "6" + Sx(8), "3" + Sx(7), "5" + Sx(15),
                         "3" + Sx(7), "1'-0" + Sx(13), "6" + Sx(8) + " x 1'-0" + Sx(13)})}));
    EXPECT_EQ(pages[1].CadNumber, "trim24");
    EXPECT_EQ(pages[1].Description, "TRIM DETAILS (Strap for Oversize Downspout)");
    EXPECT_EQ(pages[1].PageData,
              (PageLines{"ATTRIBLK: trim24", Line({"6" + Sx(2), "2", "2", "D2", "10" + Sx(2)})}));
}

TEST_F(DetailCommand, OldStyleDownspoutAndOffset) {
    ExpectOnePage({"downspout", "oldstyle", "Width=3", "Depth=12", "Length=4", "AddStrap=0"},
                  "trim21", "TRIM DETAILS (Oversize Downspout w/O.S. Kickout)",
                  {"ATTRIBLK: trim21", Line({"3", "1'", "4'", "", "2'-7"})});
    // Depth 8, offset 2 1/2: E1 = Round16(3.3136) = 3 5/16, E2 = 8 11/16,
    // E3 = Round16(3.5356) = 3 9/16, E4 = 23 3/16.
    ExpectOnePage({"ds-offset", "Width=6", "Depth=8", "Offset=0.0208", "SFNumber=O1"}, "trim29-00",
                  "TRIM DETAILS (Downspout Offset)",
                  {"ATTRIBLK: trim29", Line({"6", "8", "1'-11" + Sx(3), "8" + Sx(11), "2" + Sx(8),
                                             "3" + Sx(5), "3" + Sx(9), "2" + Sx(8), "3" + Sx(5),
                                             "2" + Sx(8), "8" + Sx(11), "O1", "2'-5"})});
}

// The command hands the typed fields and the variant to the generator unchanged; the values
// themselves are the generator's tests' business.
TEST_F(DetailCommand, ConductorHeadsAreTheGeneratorsPages) {
    const std::pair<const char*, CondHeadOffset> variants[] = {{"none", CondHeadOffset::None},
                                                               {"LEFT", CondHeadOffset::Left},
                                                               {"right", CondHeadOffset::Right}};
    for (const auto& [variant, offset] : variants) {
        const auto expected =
            std::get<DetailPages>(MakeCondHead({"8", "6", "4", "4", "CH3", "VG4", offset})).pages;
        ASSERT_EQ(expected.size(), 1u);
        ExpectOnePage({"cond-head", variant, "GuWidth=8", "GuDepth=6", "DsWidth=4", "DsDepth=4",
                       "chnumber=CH3", "ValleyGutterNo=VG4"},
                      expected[0].CadNumber, expected[0].Description, expected[0].PageData);
    }
}

TEST_F(DetailCommand, CapTrimAndEndDams) {
    ExpectOnePage(
        {"cap-trim", "Dim=24.5", "CtSF=C1", "BcSF=B1"}, "captrim", "Cap Trim Detail",
        {"ATTRIBLK: trim23", Line({"2'-0" + Sx(8), "2'-0" + Sx(10), "C1", "2'-8" + Sx(4), "SF-B1",
                                   "SF-C1", "2'-0" + Sx(9), "B1", "2'-6" + Sx(14)})});
    // At 90 degrees T = (1 + 3/4 + 1/2 + 5/16) x 2 + 18 3/4 = 23 7/8.
    ExpectOnePage(
        {"end-dam", "AS24R", "AngleP2=90", "EdNo=ED1"}, "enddam", "End Dam Detail",
        {"ATTRIBLK: enddam", Line({Sx(12), "1", Sx(8), Sx(5), "1'-6" + Sx(12), Sx(5), Sx(8), "1",
                                   Sx(12), "1'-11" + Sx(14), "ED1", "2'-1" + Sx(14), "90"})});
    // At 60 degrees (sine 0.86603): Q1 = 15/16, Q2 = Q3 = 3/4, Q4 = Round16(22.8775) = 22 7/8,
    // U = 27 3/4.
    ExpectOnePage(
        {"end-dam", "IIPlus", "AngleP2=60", "EdNo=ED2"}, "enddam2",
        "End Dam Detail (Apex Seam-II/Apex Seam-Plus)",
        {"ATTRIBLK: enddam2", Line({Sx(15), Sx(12), Sx(12), "1'-10" + Sx(14), Sx(12), Sx(12),
                                    Sx(15), "2'-3" + Sx(12), "ED2", "2'-5" + Sx(12), "60"})});
}

TEST_F(DetailCommand, RidgeCaps) {
    // 12:12, leg 9: G1 = 3/4, G2 = 10 1/2, G3 = G4 = Round16(7.4246) = 7 7/16,
    // G5 = Round16(2.1213) = 2 1/8, G6 = 5 5/16, G7 = 14 7/8, G8 = Round16(9.5588) = 9 9/16,
    // G9 = 5 5/16.
    ExpectOnePage(
        {"ridge-cap", "prevent", "RoofSlope=12", "LegLength=0.09", "RcSFNo=R1", "EcSFNo=E1"},
        "trim27", "Prevent Ridge cap",
        {"ATTRIBLK: trim27",
         Line({"12", "9", "9", "90" + kDeg, "1'-9", "R1", "9", Sx(12), "10" + Sx(8), "7" + Sx(7),
               "7" + Sx(7), "2" + Sx(2), "5" + Sx(5), "1'-2" + Sx(14), "9" + Sx(9), "5" + Sx(5),
               "9" + Sx(9) + " x 1'-2" + Sx(14), "E1"})});
    // 6:12, Storm Grip-16, Low clip: X = 24 - 6 + 2.375 x 0.5 - 3.8017 = 15.3858,
    // Y = Round16(X + 4) = 19 3/8, Z = 51 3/8.
    ExpectOnePage({"ridge-cap", "sseam", "RoofSlope=6", "PPToRidge=2.0000", "PanOHang=0.06",
                   "RcSFNo=R2", "EcSFNo=E2", "Panel=1", "Clip=1"},
                  "trim28", "Standing Seam Ridge cap",
                  {"ATTRIBLK: trim28",
                   Line({"1'-7" + Sx(6), "6", "116" + kDeg, "R2", "4'-3" + Sx(6), "E2"})});
}

TEST_F(DetailCommand, InputErrorWritesNothing) {
    const Run run = Detail({"cap-trim", "Dim=0"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Invalid Number\n");
    EXPECT_FALSE(std::filesystem::exists(out));

    const Run angle = Detail({"end-dam", "IIPlus", "AngleP2=180"});
    EXPECT_EQ(angle.status, 1);
    EXPECT_EQ(angle.err, "Invalid angle.  No end dam can be formed at this angle.\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(DetailCommand, UsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"roof"},
        {"gutter"},
        {"gutter", "wide", "RoofSlope=4"},
        {"gutter", "RoofSlope=4"},
        {"gutter", "standard", "Slope=4"},
        {"gutter", "standard", "RoofSlope"},
        {"gutter", "standard", "PanelType=4"},
        {"gutter", "standard", "PanelType=0"},
        {"downspout", "standard", "AddStrap=yes"},
        {"ds-offset", "standard"},
        {"ridge-cap", "sseam", "LegLength=1"},
        {"ridge-cap", "prevent", "Clip=1"},
        {"ridge-cap", "sseam", "Clip=3"},
    };
    for (const auto& args : cases) {
        const Run run = Detail(args);
        EXPECT_EQ(run.status, 2) << args[0] << " " << args.back();
        EXPECT_NE(run.err.find("usage: waybill-cli detail"), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
    std::ostringstream o, e;
    EXPECT_EQ(cli::Detail({in.string(), out.string()}, o, e), 2);
}

TEST_F(DetailCommand, UnreadableInputIsStatusOne) {
    in = dir.Write("bad.fwb", "WRONG\r\n");
    const Run run = Detail({"cap-trim", "Dim=10"});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace
} // namespace waybill

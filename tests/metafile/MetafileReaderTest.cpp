#include "metafile/Metafile.h"
#include "support/WmfWriter.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::Rgb;
using test::WmfWriter;

Metafile ReadOk(const WmfWriter& writer) {
    MetafileResult result = ReadMetafile(writer.Bytes());
    EXPECT_TRUE(result.Ok()) << DescribeMetafileError(result.error);
    return result.drawing.value_or(Metafile{});
}

const MetaFigure& FigureAt(const Metafile& m, std::size_t i) {
    return std::get<MetaFigure>(m.items.at(i));
}

// A 2 x 1 inch drawing at 1000 units per inch, its window the bounding box.
WmfWriter Drawing() {
    WmfWriter w;
    w.Placeable(0, 0, 2000, 1000, 1000);
    return w;
}

// The bounding box gives the natural size whatever the window says; fixed-size units run up
// from the window origin, its extent ignored.
TEST(MetafileSize, NaturalSizeWithAndWithoutPlaceableHeader) {
    WmfWriter w;
    w.Placeable(100, 200, 2980, 1640, 1440); // 2 x 1 inch
    w.SetMapMode(6);                         // twips
    w.SetWindowExt(5, 5);
    w.MoveTo(100, 200);
    w.LineTo(1540, -520);
    const Metafile m = ReadOk(w);
    EXPECT_DOUBLE_EQ(m.widthInches, 2.0);
    EXPECT_DOUBLE_EQ(m.heightInches, 1.0);
    EXPECT_EQ(FigureAt(m, 0).points, (std::vector<MetaPoint>{{0, 0}, {0.5, 0.5}}));

    // Without the header, the first usable window extent at 1440 per inch: zero extents are
    // refused, as the device refuses them, and a rectangle drawn before takes the frame.
    WmfWriter plain;
    plain.SetWindowExt(0, 500);
    plain.SetWindowExt(500, 0);
    plain.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(ReadMetafile(plain.Bytes()).error, MetafileError::NoFrame);
    plain.SetWindowExt(2880, -720); // an upward y axis still has a positive size
    plain.SetWindowExt(100, 100);
    const Metafile n = ReadOk(plain);
    EXPECT_DOUBLE_EQ(n.widthInches, 2.0);
    EXPECT_DOUBLE_EQ(n.heightInches, 0.5);
    EXPECT_EQ(FigureAt(n, 0).points[1], (MetaPoint{10.0 / 2880, 10.0 / -720}));
}

TEST(MetafileSize, UnreadableHeaders) {
    WmfWriter flat, unscaled;
    flat.Placeable(0, 50, 100, 50, 1440);
    unscaled.Placeable(0, 0, 100, 100, 0);
    for (const WmfWriter& w : {flat, unscaled}) {
        EXPECT_EQ(ReadMetafile(w.Bytes()).error, MetafileError::BadHeader);
    }
    std::string bytes = Drawing().Bytes();
    for (std::size_t cut : {0, 10, 22 + 17}) { // in the placeable header, in the one after it
        EXPECT_EQ(ReadMetafile(bytes.substr(0, cut)).error, MetafileError::NotAMetafile) << cut;
    }
    EXPECT_EQ(ReadMetafile("GIF89a and some more bytes").error, MetafileError::NotAMetafile);
    bytes[22 + 2] = 12; // header size other than nine words
    EXPECT_EQ(ReadMetafile(bytes).error, MetafileError::NotAMetafile);
    EXPECT_EQ(LoadMetafile("/nonexistent/block.wmf").error, MetafileError::CannotOpen);
}

// Each item maps through the window in force when it was drawn, pen widths, font heights and
// character advances with it.
TEST(MetafileMapping, WindowOriginAndExtentMapOntoTheFrame) {
    WmfWriter w = Drawing();
    w.Select(w.CreatePen(0, 20, Rgb(255, 0, 0)));
    w.Select(w.CreateFont(-100, "ArialDT", 900, 700)); // negative: the character height
    w.Rectangle(500, 250, 1500, 750);                  // in the bounding box's own window
    w.SetWindowOrg(-100, 100);
    w.SetWindowExt(400, -200); // y upward from the origin
    w.MoveTo(-100, 100);
    w.LineTo(300, -100);
    w.ExtTextOut(300, -100, "3\xC9\x93", {40, 0, 0}); // odd length: a padding byte before them
    const Metafile m = ReadOk(w);
    ASSERT_EQ(m.items.size(), 3u);
    EXPECT_EQ(FigureAt(m, 0).points, (std::vector<MetaPoint>{{0.25, 0.25}, {0.75, 0.75}}));
    EXPECT_EQ(FigureAt(m, 0).pen, (MetaPen{MetaPenStyle::Solid, 0.01, {255, 0, 0}}));
    EXPECT_EQ(FigureAt(m, 1).points, (std::vector<MetaPoint>{{0, 0}, {1, 1}}));
    EXPECT_DOUBLE_EQ(FigureAt(m, 1).pen.width, 0.05);
    const MetaText& text = std::get<MetaText>(m.items[2]);
    EXPECT_EQ(text.text, "3\xC9\x93"); // a fraction glyph and a curly quote, as stored
    EXPECT_EQ(text.at, (MetaPoint{1, 1}));
    EXPECT_EQ(text.advances, (std::vector<double>{0.1, 0, 0}));
    EXPECT_EQ(text.font,
              (MetaFont{.height = 0.5, .escapement = 900, .weight = 700, .faceName = "ArialDT"}));
}

// Deleted slots are reused lowest first; selecting a deleted or missing object keeps the pen
// in use; a full table creates nothing.
TEST(MetafileObjects, SlotsAndTheTableBound) {
    WmfWriter w = Drawing();
    const int red = w.CreatePen(0, 0, Rgb(255, 0, 0));
    w.CreateRegion();
    w.Delete(red);
    const int green = w.CreatePen(0, 0, Rgb(0, 255, 0));
    ASSERT_EQ(green, red);
    w.Select(green);
    w.Delete(green);
    w.Select(green);
    w.Rectangle(0, 0, 1, 1);
    for (std::size_t i = 0; i < kMetafileMaxObjects + 10; ++i) {
        w.CreatePen(0, 0, Rgb(0, 0, i % 256));
    }
    w.Select(static_cast<int>(kMetafileMaxObjects - 1));
    w.Select(static_cast<int>(kMetafileMaxObjects + 5));
    w.Rectangle(0, 0, 1, 1);
    const Metafile m = ReadOk(w);
    EXPECT_EQ(FigureAt(m, 0).pen.color, (MetaColor{0, 255, 0}));
    const MetaColor last{0, 0, static_cast<std::uint8_t>((kMetafileMaxObjects - 2) % 256)};
    EXPECT_EQ(FigureAt(m, 1).pen.color, last);
}

TEST(MetafileState, RestoreDcRelativeAbsoluteAndBounded) {
    WmfWriter w = Drawing();
    const int red = w.CreatePen(0, 0, Rgb(255, 0, 0));
    w.SaveDc(); // 1: black pen, bounding-box window
    w.Select(red);
    w.SetWindowExt(1000, 1000);
    w.RestoreDc(-5); // deeper than saved: ignored
    w.Rectangle(0, 0, 500, 500);
    w.RestoreDc(1);
    w.Rectangle(0, 0, 500, 500);
    for (int i = 0; i < 100000; ++i) {
        w.SaveDc(); // levels past the bound are not kept
    }
    w.Select(red);
    w.RestoreDc(static_cast<std::int16_t>(kMetafileMaxSaveDepth + 1)); // not kept: ignored
    w.Rectangle(0, 0, 500, 500);
    w.RestoreDc(-1); // the last kept level
    w.Rectangle(0, 0, 500, 500);
    const Metafile m = ReadOk(w);
    EXPECT_EQ(FigureAt(m, 0).pen.color, (MetaColor{255, 0, 0}));
    EXPECT_EQ(FigureAt(m, 0).points[1], (MetaPoint{0.5, 0.5}));
    EXPECT_EQ(FigureAt(m, 1).pen.color, (MetaColor{0, 0, 0}));
    EXPECT_EQ(FigureAt(m, 1).points[1], (MetaPoint{0.25, 0.5}));
    EXPECT_EQ(FigureAt(m, 2).pen.color, (MetaColor{255, 0, 0}));
    EXPECT_EQ(FigureAt(m, 3).pen.color, (MetaColor{0, 0, 0}));
}

// A record running past the end fails the file; a missing end record or bytes after it do not.
TEST(MetafileDamage, TheEndOfTheFile) {
    WmfWriter w = Drawing();
    w.Rectangle(0, 0, 10, 10);
    const std::string whole = w.Bytes();
    EXPECT_EQ(ReadMetafile(whole + "\x01\x02\x03").drawing.value_or(Metafile{}).items.size(), 1u);
    // Cut inside the rectangle record or a record header; a record size beyond the file or
    // shorter than a record header.
    for (const std::string& bad :
         {whole.substr(0, whole.size() - 10), whole.substr(0, whole.size() - 3),
          std::string(whole).replace(40, 4, "\xFF\xFF\xFF\xFF"),
          std::string(whole).replace(40, 4, "\x02\0\0\0", 4)}) {
        EXPECT_EQ(ReadMetafile(bad).error, MetafileError::Truncated);
    }
    w.OmitEof();
    EXPECT_EQ(ReadOk(w).items.size(), 1u);
}

TEST(MetafileDamage, CountsLargerThanTheirRecordSkipTheRecord) {
    WmfWriter w = Drawing();
    w.Record(0x0325, {60000, 1, 2, 3, 4});             // polyline of 60000 points
    w.Record(0x0538, {2, 3, 65535, 0, 0, 1, 1, 2, 2}); // poly-polygon counts
    w.Record(0x0538, {65535});                         // more polygons than counts
    w.Record(0x0521, {500, 0x4141, 0, 0});             // text longer than the record
    w.Record(0x0A32, {0, 0, 9, 6, 0, 0});              // clipped, the box cut off
    w.Record(0x02FB, {10, 0});                         // font record cut short
    w.Record(0x0817, {1, 2, 3});                       // arc without its box
    w.Polyline({{0, 0}, {1, 1}});
    const Metafile m = ReadOk(w);
    ASSERT_EQ(m.items.size(), 1u);
    EXPECT_EQ(FigureAt(m, 0).points.size(), 2u);
}

TEST(MetafileDamage, TooManyRecordsOrPoints) {
    WmfWriter records = Drawing();
    for (std::size_t i = 0; i <= kMetafileMaxRecords; ++i) {
        records.Record(0x0102, {});
    }
    EXPECT_EQ(ReadMetafile(records.Bytes()).error, MetafileError::TooLarge);
    WmfWriter points = Drawing();
    const std::vector<WmfWriter::Pt> line(60000, {1, 1});
    for (std::size_t i = 0; i * line.size() <= kMetafileMaxPoints; ++i) {
        points.Polyline(line);
    }
    EXPECT_EQ(ReadMetafile(points.Bytes()).error, MetafileError::TooLarge);
}

} // namespace
} // namespace waybill

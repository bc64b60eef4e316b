// The drawing font "ArialDT": drawing texts are Windows-1252 bytes, which reach Qt as the
// code points U+0000-U+00FF. Codes 186 and 201-241 must draw the font's own fractions and
// symbols; every other character must keep the glyph, and so the width, of the base face.

#include <algorithm>
#include <gtest/gtest.h>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainterPath>
#include <QRawFont>
#include <set>
#include <vector>

namespace {

const QString kFontFile = QStringLiteral(WAYBILL_FONT_DIR "/ArialDT.ttf");

struct Glyph {
    quint32 index = 0;
    qreal advance = 0;
    QPainterPath path;
    QRectF box;
};

Glyph GlyphOf(const QRawFont& font, int code) {
    const QList<quint32> index = font.glyphIndexesForString(QString(QChar(code)));
    const QPainterPath path = font.pathForGlyph(index.front());
    return {index.front(), font.advancesForGlyphIndexes(index).front().x(), path,
            path.boundingRect()};
}

// Outlines may be re-encoded when the font is written, so shapes are compared by what
// they occupy rather than point by point.
bool SameShape(const Glyph& a, const Glyph& b) {
    auto near = [](qreal x, qreal y) { return qAbs(x - y) < 0.5; };
    return near(a.advance, b.advance) && near(a.box.left(), b.box.left()) &&
           near(a.box.top(), b.box.top()) && near(a.box.right(), b.box.right()) &&
           near(a.box.bottom(), b.box.bottom());
}

TEST(ArialDtFont, FamilyAndGlyphs) {
    const int id = QFontDatabase::addApplicationFont(kFontFile);
    ASSERT_GE(id, 0);
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(id), QStringList{QStringLiteral("ArialDT")});
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("ArialDT"))).family(), QStringLiteral("ArialDT"));
    QFontDatabase::removeApplicationFont(id);

    // One pixel per font unit, so that sizes below are in font units.
    const QRawFont drawing(kFontFile, 2048, QFont::PreferNoHinting);
    const QRawFont base(QStringLiteral(WAYBILL_BASE_FONT), 2048, QFont::PreferNoHinting);
    ASSERT_TRUE(drawing.isValid() && base.isValid()) << "base face: package fonts-liberation2";
    const QRectF digit = GlyphOf(drawing, '8').box;
    std::set<quint32> indexes;
    std::vector<QPainterPath> fractions;
    for (int code = 0x20; code <= 0xFF; ++code) {
        SCOPED_TRACE(code);
        const Glyph glyph = GlyphOf(drawing, code);
        if (code != 186 && (code < 201 || code > 241)) { // the base face keeps texts' widths
            EXPECT_TRUE((code > 0x7E && code < 0xA1) || SameShape(glyph, GlyphOf(base, code)));
            continue;
        }
        EXPECT_NE(glyph.index, 0u);
        EXPECT_FALSE(glyph.box.isEmpty());
        EXPECT_GT(glyph.advance, glyph.box.width());
        EXPECT_FALSE(SameShape(glyph, GlyphOf(base, code))) << "still the base face's glyph";
        EXPECT_GE(glyph.box.top(), -drawing.ascent()); // inside the line box, never clipped
        EXPECT_LE(glyph.box.bottom(), drawing.descent());
        if (code <= 231 && code != 186) { // fractions: on the base line, at least digit-tall
            EXPECT_LE(glyph.box.top(), digit.top());
            EXPECT_NEAR(glyph.box.bottom(), digit.bottom(), 40);
            EXPECT_EQ(std::count(fractions.begin(), fractions.end(), glyph.path), 0);
            fractions.push_back(glyph.path);
        }
        // The CAD code %%c becomes 186, the formatter writes 232: both are the diameter.
        EXPECT_TRUE(indexes.insert(glyph.index).second || code == 232) << "shares its glyph";
    }
    EXPECT_EQ(GlyphOf(drawing, 186).index, GlyphOf(drawing, 232).index);
}

} // namespace

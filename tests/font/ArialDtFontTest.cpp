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
#include <QString>
#include <set>
#include <vector>

namespace {

const QString kFontFile = QStringLiteral(WAYBILL_FONT_DIR "/ArialDT.ttf");
const QString kBaseFile = QStringLiteral(WAYBILL_BASE_FONT);

// One pixel per font unit, so that sizes below are in font units.
constexpr qreal kUnitsPerEm = 2048;

constexpr int kDiameterCad = 186;
constexpr int kFirstFraction = 201;
constexpr int kLastFraction = 231;
constexpr int kDiameter = 232;
constexpr int kLastSymbol = 241;

bool IsSymbol(int code) {
    return code == kDiameterCad || (code >= kFirstFraction && code <= kLastSymbol);
}

struct Glyph {
    quint32 index = 0;
    qreal advance = 0;
    QPainterPath path;
};

Glyph GlyphOf(const QRawFont& font, int code) {
    const QList<quint32> indexes = font.glyphIndexesForString(QString(QChar(code)));
    Glyph glyph;
    if (indexes.size() == 1) {
        glyph.index = indexes.front();
        glyph.advance = font.advancesForGlyphIndexes(indexes).front().x();
        glyph.path = font.pathForGlyph(glyph.index);
    }
    return glyph;
}

// Outlines may be re-encoded when the font is written, so shapes are compared by what
// they occupy rather than point by point.
bool SameShape(const Glyph& a, const Glyph& b) {
    const QRectF ra = a.path.boundingRect();
    const QRectF rb = b.path.boundingRect();
    auto near = [](qreal x, qreal y) { return qAbs(x - y) < 0.5; };
    return near(a.advance, b.advance) && near(ra.left(), rb.left()) && near(ra.top(), rb.top()) &&
           near(ra.right(), rb.right()) && near(ra.bottom(), rb.bottom());
}

class ArialDtFont : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(drawing_.isValid()) << "cannot load " << kFontFile.toStdString();
        ASSERT_TRUE(base_.isValid()) << "cannot load the base face " << kBaseFile.toStdString()
                                     << " (package fonts-liberation2)";
    }
    const QRawFont drawing_{kFontFile, kUnitsPerEm, QFont::PreferNoHinting};
    const QRawFont base_{kBaseFile, kUnitsPerEm, QFont::PreferNoHinting};
};

TEST_F(ArialDtFont, IsFoundByItsFamilyName) {
    EXPECT_EQ(drawing_.styleName(), QStringLiteral("Regular"));

    // The program asks for the face by name once the file is registered.
    const int id = QFontDatabase::addApplicationFont(kFontFile);
    ASSERT_GE(id, 0);
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(id), QStringList{QStringLiteral("ArialDT")});
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("ArialDT"))).family(), QStringLiteral("ArialDT"));
    QFontDatabase::removeApplicationFont(id);
}

TEST_F(ArialDtFont, DrawsItsOwnGlyphAtEverySymbolCode) {
    const QRectF digit = GlyphOf(drawing_, '8').path.boundingRect();
    for (int code = kDiameterCad; code <= kLastSymbol; ++code) {
        if (!IsSymbol(code)) {
            continue;
        }
        SCOPED_TRACE(code);
        const Glyph glyph = GlyphOf(drawing_, code);
        const QRectF box = glyph.path.boundingRect();
        EXPECT_NE(glyph.index, 0u); // the font has the character
        EXPECT_FALSE(glyph.path.isEmpty());
        EXPECT_GT(glyph.advance, box.width());
        EXPECT_FALSE(SameShape(glyph, GlyphOf(base_, code))) << "still the base face's glyph";
        // Inside the line box, where neither screen nor printer clips it.
        EXPECT_GE(box.top(), -drawing_.ascent());
        EXPECT_LE(box.bottom(), drawing_.descent());
        if (code >= kFirstFraction && code <= kLastFraction) {
            // As tall as a digit at least, standing on the base line like the digits before it.
            EXPECT_LE(box.top(), digit.top());
            EXPECT_NEAR(box.bottom(), digit.bottom(), 40);
        }
    }
}

TEST_F(ArialDtFont, GivesEveryCodeItsOwnGlyphButTheTwoDiameterCodes) {
    std::set<quint32> indexes;
    std::vector<QPainterPath> fractions;
    for (int code = kFirstFraction; code <= kLastSymbol; ++code) {
        const Glyph glyph = GlyphOf(drawing_, code);
        EXPECT_TRUE(indexes.insert(glyph.index).second) << code << " shares its glyph";
        if (code <= kLastFraction) {
            EXPECT_EQ(std::count(fractions.begin(), fractions.end(), glyph.path), 0)
                << code << " looks like another fraction";
            fractions.push_back(glyph.path);
        }
    }
    // The CAD code %%c becomes 186, the formatter writes 232: both are the diameter.
    EXPECT_EQ(GlyphOf(drawing_, kDiameterCad).index, GlyphOf(drawing_, kDiameter).index);
}

// Plain text keeps the base face's metrics, so measured widths and justified attribute texts
// come out as laid out.
TEST_F(ArialDtFont, KeepsTheBaseGlyphsOfEveryOtherCharacter) {
    for (int code = 0x20; code <= 0xFF; ++code) {
        if (!IsSymbol(code) && (code <= 0x7E || code >= 0xA1)) {
            SCOPED_TRACE(code);
            EXPECT_TRUE(SameShape(GlyphOf(drawing_, code), GlyphOf(base_, code)));
        }
    }
}

} // namespace

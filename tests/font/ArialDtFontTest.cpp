// The drawing font "ArialDT": drawing texts are Windows-1252 bytes, which reach Qt as the
// code points U+0000-U+00FF. Codes 186 and 201-241 must draw the font's own fractions and
// symbols; every other character must keep the glyph, and so the width, of the base face.

#include <gtest/gtest.h>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainterPath>
#include <QRawFont>
#include <QString>
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

std::vector<int> SymbolCodes() {
    std::vector<int> codes{kDiameterCad};
    for (int code = kFirstFraction; code <= kLastSymbol; ++code) {
        codes.push_back(code);
    }
    return codes;
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
    static void SetUpTestSuite() {
        drawing_ = new QRawFont(kFontFile, kUnitsPerEm, QFont::PreferNoHinting);
        base_ = new QRawFont(kBaseFile, kUnitsPerEm, QFont::PreferNoHinting);
    }
    static void TearDownTestSuite() {
        delete drawing_;
        delete base_;
    }
    void SetUp() override {
        ASSERT_TRUE(drawing_->isValid()) << "cannot load " << kFontFile.toStdString();
        ASSERT_TRUE(base_->isValid()) << "cannot load the base face " << kBaseFile.toStdString()
                                      << " (package fonts-liberation2)";
    }
    static QRawFont* drawing_;
    static QRawFont* base_;
};

QRawFont* ArialDtFont::drawing_ = nullptr;
QRawFont* ArialDtFont::base_ = nullptr;

TEST_F(ArialDtFont, IsFoundByItsFamilyName) {
    EXPECT_EQ(drawing_->familyName(), QStringLiteral("ArialDT"));
    EXPECT_EQ(drawing_->styleName(), QStringLiteral("Regular"));

    // The program asks for the face by name once the file is registered.
    const int id = QFontDatabase::addApplicationFont(kFontFile);
    ASSERT_GE(id, 0);
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(id), QStringList{QStringLiteral("ArialDT")});
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("ArialDT"))).family(), QStringLiteral("ArialDT"));
    QFontDatabase::removeApplicationFont(id);
}

TEST_F(ArialDtFont, DrawsItsOwnGlyphAtEverySymbolCode) {
    for (int code : SymbolCodes()) {
        SCOPED_TRACE(code);
        ASSERT_TRUE(drawing_->supportsCharacter(QChar(code)));
        const Glyph glyph = GlyphOf(*drawing_, code);
        EXPECT_NE(glyph.index, 0u);
        EXPECT_FALSE(glyph.path.isEmpty());
        EXPECT_GT(glyph.advance, glyph.path.boundingRect().width());
        EXPECT_FALSE(SameShape(glyph, GlyphOf(*base_, code))) << "still the base face's glyph";
        // Inside the line box, where neither screen nor printer clips it.
        EXPECT_GE(glyph.path.boundingRect().top(), -drawing_->ascent());
        EXPECT_LE(glyph.path.boundingRect().bottom(), drawing_->descent());
    }
}

TEST_F(ArialDtFont, GivesEveryCodeItsOwnGlyphButTheTwoDiameterCodes) {
    std::vector<Glyph> glyphs;
    for (int code = kFirstFraction; code <= kLastSymbol; ++code) {
        glyphs.push_back(GlyphOf(*drawing_, code));
    }
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        for (std::size_t j = i + 1; j < glyphs.size(); ++j) {
            SCOPED_TRACE(testing::Message() << kFirstFraction + i << " and " << kFirstFraction + j);
            EXPECT_NE(glyphs[i].index, glyphs[j].index);
            const bool fractions = kFirstFraction + j <= static_cast<std::size_t>(kLastFraction);
            if (fractions) {
                EXPECT_NE(glyphs[i].path, glyphs[j].path);
            }
        }
    }
    // The CAD code %%c becomes 186, the formatter writes 232: both are the diameter.
    EXPECT_EQ(GlyphOf(*drawing_, kDiameterCad).index, GlyphOf(*drawing_, kDiameter).index);
}

TEST_F(ArialDtFont, FractionsReadFromTheirNumeratorDownToTheBaseLine) {
    const QRectF digit = GlyphOf(*drawing_, '8').path.boundingRect();
    for (int code = kFirstFraction; code <= kLastFraction; ++code) {
        SCOPED_TRACE(code);
        const QRectF box = GlyphOf(*drawing_, code).path.boundingRect();
        // As tall as a digit at least, standing on the base line like the digits before it.
        EXPECT_LE(box.top(), digit.top());
        EXPECT_NEAR(box.bottom(), digit.bottom(), 40);
    }
}

TEST_F(ArialDtFont, KeepsTheBaseGlyphsOfEveryOtherCharacter) {
    // Plain text keeps the base face's metrics, so measured widths and justified
    // attribute texts come out as laid out.
    std::vector<int> codes;
    for (int code = 0x20; code <= 0x7E; ++code) {
        codes.push_back(code);
    }
    for (int code = 0xA1; code <= 0xFF; ++code) {
        if (code != kDiameterCad && (code < kFirstFraction || code > kLastSymbol)) {
            codes.push_back(code);
        }
    }
    for (int code : codes) {
        SCOPED_TRACE(code);
        EXPECT_TRUE(SameShape(GlyphOf(*drawing_, code), GlyphOf(*base_, code)));
    }
}

} // namespace

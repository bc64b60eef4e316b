// Renders the drawing font's own glyphs (codes 186 and 201-241) to PNG sheets, large and
// at the small sizes a page shows on screen (also enlarged pixel for pixel), so that a
// change to the font can be looked at before it is committed.
//
// Usage: font_sheet <font.ttf> <out-prefix>
// writes <out-prefix>-glyphs.png, <out-prefix>-8pt.png and <out-prefix>-10pt.png.

#include <cstdio>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <vector>

namespace {

// Drawing texts are Windows-1252 bytes; above 0xA0 they equal Latin-1.
QString Bytes(const std::vector<int>& codes) {
    QString text;
    for (int code : codes) {
        text += QChar(code);
    }
    return text;
}

QFont FontOfPixels(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

QImage GlyphTable(const QString& family) {
    std::vector<int> codes{186};
    for (int code = 201; code <= 241; ++code) {
        codes.push_back(code);
    }
    QImage sheet(1020, 6 + 4 * 74, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const int x = 8 + static_cast<int>(i % 11) * 92;
        const int y = 6 + static_cast<int>(i / 11) * 74;
        painter.setFont(FontOfPixels(family, 40));
        painter.drawText(QPoint(x, y + 46), Bytes({codes[i]}));
        painter.setFont(FontOfPixels(QStringLiteral("DejaVu Sans"), 11));
        painter.drawText(QPoint(x, y + 66), QString::number(codes[i]));
    }
    return sheet;
}

// Lengths as the formatter writes them and every code, in short lines, at one screen size
// (96 dpi) as it appears and enlarged four times.
QImage ScreenSize(const QString& family, int points) {
    const std::vector<QString> lines{
        QStringLiteral("5'-5") + Bytes({212}) + QStringLiteral(" 1'-0") + Bytes({202}) +
            QStringLiteral(" 3") + Bytes({206}) + QStringLiteral(" ") + Bytes({208}) +
            QStringLiteral(" 6") + Bytes({216}),
        QStringLiteral("12") + Bytes({222}) + QStringLiteral(" 7") + Bytes({224}) +
            QStringLiteral(" 2") + Bytes({226}) + QStringLiteral(" 9") + Bytes({228}) +
            QStringLiteral(" 4") + Bytes({230}),
        Bytes({240}) + QStringLiteral("8x2") + Bytes({216}) + QStringLiteral(" ") + Bytes({235}) +
            QStringLiteral("10 ") + Bytes({186}) + QStringLiteral("9/16 L") + Bytes({237}),
        Bytes({186, 201, 202, 203, 204, 205, 206, 207, 208}),
        Bytes({209, 210, 211, 212, 213, 214, 215, 216, 217}),
        Bytes({218, 219, 220, 221, 222, 223, 224, 225}),
        Bytes({226, 227, 228, 229, 230, 231}),
        Bytes({232, 233, 234, 235, 236, 237, 238, 239, 240, 241}),
    };
    const int pixels = points * 96 / 72;
    const int lineHeight = pixels * 2;
    const int width = 240;
    QImage sheet(44 + width * 4 + 8, static_cast<int>(lines.size()) * lineHeight * 5 + 8,
                 QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    int y = 4;
    for (const QString& text : lines) {
        QImage line(width, lineHeight, QImage::Format_RGB32);
        line.fill(Qt::white);
        {
            QPainter linePainter(&line);
            linePainter.setFont(FontOfPixels(family, pixels));
            linePainter.drawText(QPoint(2, pixels * 3 / 2), text);
        }
        painter.setFont(FontOfPixels(QStringLiteral("DejaVu Sans"), 11));
        painter.drawText(QPoint(4, y + 12), QStringLiteral("%1 pt").arg(points));
        painter.drawImage(QPoint(44, y), line);
        painter.drawImage(
            QPoint(44, y + lineHeight),
            line.scaled(width * 4, lineHeight * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        y += lineHeight * 5;
    }
    return sheet;
}

bool Save(const QImage& image, const QString& path) {
    if (image.save(path)) {
        return true;
    }
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: font_sheet <font.ttf> <out-prefix>\n");
        return 2;
    }
    const int id = QFontDatabase::addApplicationFont(QString::fromLocal8Bit(argv[1]));
    if (id < 0) {
        std::fprintf(stderr, "cannot load %s\n", argv[1]);
        return 1;
    }
    const QString family = QFontDatabase::applicationFontFamilies(id).value(0);
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const bool saved = Save(GlyphTable(family), prefix + QStringLiteral("-glyphs.png")) &&
                       Save(ScreenSize(family, 8), prefix + QStringLiteral("-8pt.png")) &&
                       Save(ScreenSize(family, 10), prefix + QStringLiteral("-10pt.png"));
    return saved ? 0 : 1;
}

// toolbar_pictures: draws the toolbar's pictures once, at build time, and writes them as PNG
// bytes into a C++ source the editor is built with, so that it loads them instead of drawing
// them at every start. Usage: toolbar_pictures OUT.cpp
#include "ToolbarDrawings.h"

#include <cstdio>
#include <fstream>
#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>
#include <sstream>

namespace {

constexpr int kScales[] = {1, 2, 3};

QByteArray Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.write(image);
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: toolbar_pictures OUT.cpp\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::ostringstream out;
    out << "// Made at build time by tools/toolbar_pictures from its drawings.\n"
           "#include \"app/gui/ToolbarPictures.h\"\n\nnamespace waybill {\nnamespace {\n\n";
    std::ostringstream table;
    int index = 0;
    for (const QString& key : waybill::ToolbarDrawingKeys()) {
        for (const int scale : kScales) {
            const QByteArray png = Png(waybill::DrawToolbarPicture(key, scale));
            if (png.isEmpty()) {
                std::fprintf(stderr, "toolbar_pictures: %s could not be written\n",
                             qPrintable(key));
                return 1;
            }
            out << "const unsigned char kPng" << index << "[] = {";
            for (qsizetype i = 0; i < png.size(); ++i) {
                out << (i % 20 == 0 ? "\n    " : " ")
                    << static_cast<int>(static_cast<unsigned char>(png[i])) << ',';
            }
            out << "\n};\n";
            table << "    {\"" << key.toStdString() << "\", " << scale
                  << ", {reinterpret_cast<const char*>(kPng" << index << "), sizeof kPng" << index
                  << "}},\n";
            ++index;
        }
    }
    out << "\nconst ToolbarPicture kPictures[] = {\n"
        << table.str() << "};\n\n} // namespace\n\n"
        << "std::span<const ToolbarPicture> ToolbarPictures() {\n    return kPictures;\n}\n\n"
        << "} // namespace waybill\n";
    std::ofstream file(argv[1], std::ios::binary);
    file << out.str();
    return file.good() ? 0 : 1;
}

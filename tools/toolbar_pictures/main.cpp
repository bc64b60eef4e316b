// toolbar_pictures: draws the toolbar's pictures once, at build time, and writes their pixels
// into a C++ source the editor is built with, so that it neither draws nor decodes them at
// every start. Usage: toolbar_pictures OUT.cpp
#include "ToolbarDrawings.h"

#include <cstdio>
#include <fstream>
#include <QGuiApplication>
#include <sstream>

namespace {

constexpr int kScales[] = {1, 2, 3};

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
           "#include \"app/gui/ToolbarPictures.h\"\n\n#include <cstdint>\n\nnamespace waybill "
           "{\nnamespace {\n\n";
    std::ostringstream table;
    int index = 0;
    for (const QString& key : waybill::ToolbarDrawingKeys()) {
        for (const int scale : kScales) {
            const QImage image = waybill::DrawToolbarPicture(key, scale)
                                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            const int side = waybill::kToolbarPictureSize * scale;
            if (image.width() != side || image.height() != side) {
                std::fprintf(stderr, "toolbar_pictures: %s has no picture\n", qPrintable(key));
                return 1;
            }
            // Whole pixels as numbers, so the editor reads them in its own byte order.
            out << "const std::uint32_t kPixels" << index << "[] = {" << std::hex;
            for (int y = 0; y < side; ++y) {
                const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                for (int x = 0; x < side; ++x) {
                    out << ((y * side + x) % 8 == 0 ? "\n    " : " ") << "0x" << line[x] << ',';
                }
            }
            out << std::dec << "\n};\n";
            table << "    {\"" << key.toStdString() << "\", " << side << ", kPixels" << index
                  << "},\n";
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

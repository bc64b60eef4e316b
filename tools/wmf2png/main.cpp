// wmf2png [--dpi N] [--out FOLDER] [--fonts FOLDER] [--border] FILE.wmf|FOLDER ...
//
// Renders each metafile at its natural size and the chosen resolution into FOLDER/<name>.png
// (a folder argument stands for every .wmf in it). The fonts of the program folder's "fonts"
// folder, or of --fonts, are loaded first, so drawings in the product's own faces look as
// the editor shows them. A file that cannot be read is reported and drawn as the editor's
// placeholder; the exit status is then 1.
#include "metafile/gui/MetafilePainter.h"
#include "metafile/Metafile.h"
#include "platform/Cp1252.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

namespace {

using namespace waybill;

constexpr int kMaxSide = 20000;          // pixels; keeps a huge drawing from eating memory
constexpr double kPlaceholderInches = 2; // the size of the picture of an unreadable file

struct Options {
    double dpi = 96;
    QString out = ".";
    QString fonts;
    bool border = false;
    std::vector<QString> inputs;
};

void Usage() {
    std::fprintf(stderr, "usage: wmf2png [--dpi N] [--out FOLDER] [--fonts FOLDER] [--border] "
                         "FILE.wmf|FOLDER ...\n");
}

bool ParseOptions(const QStringList& args, Options& options) {
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--dpi" && hasValue) {
            bool ok = false;
            options.dpi = args[++i].toDouble(&ok);
            if (!ok || options.dpi <= 0 || options.dpi > 2400) {
                return false;
            }
        } else if (arg == "--out" && hasValue) {
            options.out = args[++i];
        } else if (arg == "--fonts" && hasValue) {
            options.fonts = args[++i];
        } else if (arg == "--border") {
            options.border = true;
        } else if (arg.startsWith("--")) {
            return false;
        } else {
            options.inputs.push_back(arg);
        }
    }
    return !options.inputs.empty();
}

void LoadFonts(const QString& folder) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList({"*.ttf", "*.otf", "*.TTF", "*.OTF"}, QDir::Files)) {
        if (QFontDatabase::addApplicationFont(dir.filePath(name)) < 0) {
            std::fprintf(stderr, "cannot load font %s\n", qPrintable(dir.filePath(name)));
        }
    }
}

std::vector<QString> MetafilesOf(const QString& input) {
    const QFileInfo info(input);
    if (!info.isDir()) {
        return {input};
    }
    std::vector<QString> files;
    const QDir dir(input);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        if (name.endsWith(".wmf", Qt::CaseInsensitive)) {
            files.push_back(dir.filePath(name));
        }
    }
    return files;
}

int Side(double inches, double dpi) {
    return std::clamp(static_cast<int>(std::ceil(inches * dpi)), 1, kMaxSide);
}

// Renders one file; false when it could not be read or the picture not written.
bool Render(const QString& path, const Options& options) {
    const MetafileResult result = LoadMetafile(path.toStdString());
    const QString stem = QFileInfo(path).completeBaseName();
    double width = kPlaceholderInches;
    double height = kPlaceholderInches / 2;
    if (result.drawing) {
        width = result.drawing->widthInches;
        height = result.drawing->heightInches;
        std::printf("%s: %.3f x %.3f in, %zu items\n", qPrintable(path), width, height,
                    result.drawing->items.size());
    } else {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path),
                     std::string(DescribeMetafileError(result.error)).c_str());
    }
    QImage image(Side(width, options.dpi), Side(height, options.dpi), QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = static_cast<int>(std::lround(options.dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        // The picture's own size in inches, in case the drawing was clamped to kMaxSide.
        painter.scale(image.width() / width, image.height() / height);
        const QRectF frame(0, 0, width, height);
        PaintBlock(painter, result, frame, Utf8ToCp1252(stem.toStdString()));
        if (options.border && result.drawing) {
            painter.setPen(QPen(Qt::gray, 0, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(frame);
        }
    }
    const QString target = QDir(options.out).filePath(stem + ".png");
    if (!image.save(target, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(target));
        return false;
    }
    return result.Ok();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    Options options;
    if (!ParseOptions(QCoreApplication::arguments(), options)) {
        Usage();
        return 2;
    }
    LoadFonts(options.fonts.isEmpty() ? QCoreApplication::applicationDirPath() + "/fonts"
                                      : options.fonts);
    if (!QDir().mkpath(options.out)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(options.out));
        return 1;
    }
    bool allRead = true;
    for (const QString& input : options.inputs) {
        const std::vector<QString> files = MetafilesOf(input);
        if (files.empty()) {
            std::fprintf(stderr, "%s: no .wmf files\n", qPrintable(input));
            allRead = false;
        }
        for (const QString& file : files) {
            allRead = Render(file, options) && allRead;
        }
    }
    return allRead ? 0 : 1;
}

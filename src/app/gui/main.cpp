// Waybill, the editor: start-up, then the event loop until the main window closes.
#include "app/gui/DeferredIconStyle.h"
#include "app/gui/frmWaybillMain.h"
#include "app/gui/QSettingsStore.h"
#include "app/gui/WaybillMain.h"
#include "app/ProgramFolder.h"
#include "platform/gui/DialogService.h"
#include "platform/gui/FontConfigWarmUp.h"
#include "platform/gui/QtText.h"

#include <cstdio>
#include <cstring>
#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QTimer>

namespace {

constexpr const char* kHelp = R"(usage: waybill [FILE]
       waybill -- FILE

Opens the waybill document FILE (a ".fwb" document, or a legacy ".wbl" document, which is
imported) in the editor, or a new document when FILE is left out. FILE is the whole command
line, so a path with blanks needs no quotes. A document named like an option below opens
after "--".

  --help      Show this text.
  --version   Show the program's version.

)"
#ifdef _WIN32
                              R"(The settings are kept in %APPDATA%\Waybill\Waybill.ini, recovery
copies of changed documents in %APPDATA%\Waybill\Waybill\recovery.
)";
#else
                              R"(The settings are kept in ~/.config/Waybill/Waybill.conf, recovery copies of changed
documents in ~/.local/share/Waybill/Waybill/recovery.
)";
#endif

// Only the exact options, each alone: any other command line is a document path.
bool PrintInformation(int argc, char** argv) {
    if (argc != 2) {
        return false;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("waybill %s\n", WAYBILL_VERSION);
        return true;
    }
    if (std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kHelp, stdout);
        return true;
    }
    return false;
}

// The installed theme's icon, else the picture in the program folder. Set once the window is
// shown, as neither is needed to show it; the picture is read as the PNG it is, since a
// reader left to detect the format loads every image plugin to ask it first.
QIcon ProgramIcon(const QString& programFolder) {
    QImageReader reader(programFolder + QStringLiteral("/Waybill.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon::fromTheme(QStringLiteral("waybill"), QIcon(QPixmap::fromImage(reader.read())));
}

} // namespace

int main(int argc, char** argv) {
    // Before the application object, which would need a display.
    if (PrintInformation(argc, argv)) {
        return 0;
    }
    waybill::FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    fonts.Wait();
    QApplication::setApplicationName(QStringLiteral("Waybill"));
    QApplication::setOrganizationName(QStringLiteral("Waybill"));
    // The desktop entry's name, so that the window groups with it and takes its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("waybill"));
    QApplication::setStyle(new waybill::DeferredIconStyle);

    const QString programFolder = waybill::FromPath(waybill::ProgramFolder());

    const auto settings = waybill::QSettingsStore::ForUser();
    waybill::QtDialogService dialogs;
    waybill::WaybillMain module(programFolder, *settings);
    const auto window = waybill::StartWaybill(module, dialogs, waybill::RunModal,
                                              waybill::CommandLineDocument(app.arguments()));
    if (!window) {
        return 1;
    }
    dialogs.SetParent(window.get());
    QTimer::singleShot(
        0, [&programFolder] { QApplication::setWindowIcon(ProgramIcon(programFolder)); });
    return QApplication::exec();
}

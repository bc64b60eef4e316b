// WaybillStart, the launcher: --help and --version, else the install or update, then the editor.
#include "files/CommandLine.h"
#include "Launcher.h"
#include "QtServices.h"

#include <cstdio>
#include <cstring>
#include <QApplication>
#include <QStandardPaths>

namespace {

constexpr const char* kHelp = R"(usage: waybillstart [ARGUMENTS]

Installs Waybill on this workstation from the launcher's own folder (the source folder, with
Waybill.cfg and Files.txt) on first use; afterwards copies the files that are newer there
and starts the installed editor with ARGUMENTS passed on unchanged. ARGUMENTS that are
exactly one of the options below are read by the launcher; after "--" they go to the
editor.

  --help      Show this text.
  --version   Show the program's version.
)";

// Only the exact options, each alone: any other command line is the editor's.
bool PrintInformation(int argc, char** argv) {
    if (argc != 2)
        return false;
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("waybillstart %s\n", WAYBILL_VERSION);
        return true;
    }
    if (std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kHelp, stdout);
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace waybill::launcher;

    // Before the application object, which would need a display.
    if (PrintInformation(argc, argv))
        return 0;

    // Taken before QApplication removes the arguments it knows, so the editor gets them all.
    QStringList commandLine;
    for (const std::string& argument : ProgramArguments(argc, argv))
        commandLine.append(QString::fromStdString(argument));

    QApplication app(argc, argv);
    QtLauncherUi ui;
    const std::unique_ptr<QtSettingsStore> settings = QtSettingsStore::ForUser();
    DetachedStarter starter;
    Launcher launcher(ui, *settings, starter,
                      {QCoreApplication::applicationDirPath(),
                       QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)});
    launcher.Run(commandLine);
    return 0;
}

#include "Launcher.h"
#include "PlatformNames.h"
#include "QtServices.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    using namespace waybill::launcher;

    // Taken before QApplication removes the arguments it knows, so the editor gets them all.
    QStringList commandLine;
    for (int i = 1; i < argc; ++i)
        commandLine.append(QString::fromLocal8Bit(argv[i]));

    QApplication app(argc, argv);
    QtLauncherUi ui;
    const std::unique_ptr<QtSettingsStore> settings = QtSettingsStore::ForUser();
    DetachedStarter starter;
    Launcher launcher(
        ui, *settings, starter,
        {NormaliseFolder(QCoreApplication::applicationDirPath()),
         NormaliseFolder(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation))});
    launcher.Run(commandLine);
    return 0;
}

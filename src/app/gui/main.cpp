// Waybill, the editor: start-up, then the event loop until the main window closes.
#include "app/gui/frmWaybillMain.h"
#include "app/gui/QSettingsStore.h"
#include "app/gui/WaybillMain.h"
#include "platform/gui/DialogService.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Waybill"));
    QApplication::setOrganizationName(QStringLiteral("Waybill"));
    QApplication::setWindowIcon(
        QIcon(QApplication::applicationDirPath() + QStringLiteral("/Waybill.png")));

    const auto settings = waybill::QSettingsStore::ForUser();
    waybill::QtDialogService dialogs;
    waybill::WaybillMain module(QApplication::applicationDirPath(), *settings);
    const auto window = waybill::StartWaybill(module, dialogs, waybill::RunModal,
                                              waybill::CommandLineDocument(app.arguments()));
    if (!window) {
        return 1;
    }
    dialogs.SetParent(window.get());
    return QApplication::exec();
}

#include "app/gui/WaybillMain.h"

#include "app/AppMessages.h"
#include "app/gui/dlgConfigPaths.h"
#include "app/gui/frmWaybillMain.h"
#include "model/FwbFile.h"
#include "platform/gui/DialogService.h"
#include "platform/gui/QtText.h"

#include <QFontDatabase>
#include <QStandardPaths>
#include <QTimer>

namespace waybill {
namespace {

UserMessage MissingFontMessage(const QString& path) {
    return {"The drawing font " + ToCp1252(path) +
                " cannot be loaded.\rAttribute texts are drawn in a substitute font.",
            "File Error", MessageIcon::Exclamation};
}

// Opens the database at DefDB. When it cannot be opened or lacks its "Grids" table the user
// is told why and may name another one in Configure File Paths, which is tried at once;
// Cancel there gives up.
bool OpenDatabase(WaybillMain& module, DialogService& dialogs, const ModalRunner& runModal) {
    for (;;) {
        OpenedReferenceDatabase opened =
            OpenReferenceDatabase(FsPath(FromUtf8(module.paths.DefDB)));
        if (opened.database) {
            module.database = std::move(opened.database);
            module.attribDefs = std::make_unique<BlockAttribDefs>(*module.database);
            return true;
        }
        dialogs.ShowMessage(DatabaseOpenFailedMessage(
            PathText(FsPath(FromUtf8(module.paths.DefDB))), opened.error));
        if (!ConfigurePaths(module, dialogs, runModal, ConfigureMode::Retry)) {
            return false;
        }
    }
}

} // namespace

WaybillMain::WaybillMain(QString programFolder, SettingsStore& settings)
    : programFolder(std::move(programFolder)), settings(settings),
      recoveryFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                     QStringLiteral("/recovery")) {}

bool ConfigurePaths(WaybillMain& module, DialogService& dialogs, const ModalRunner& runModal,
                    ConfigureMode mode, QWidget* parent) {
    dlgConfigPaths dialog(dialogs, module.folderTree, parent);
    if (mode == ConfigureMode::Required) {
        dialog.SetCancelEnabled(false);
    } else {
        dialog.SetPaths(module.paths);
    }
    if (runModal(dialog) != QDialog::Accepted) {
        return false;
    }
    module.paths = dialog.Paths();
    WritePathSettings(module.settings, module.paths);
    return true;
}

std::unique_ptr<frmWaybillMain> StartWaybill(WaybillMain& module, DialogService& dialogs,
                                             const ModalRunner& runModal,
                                             const QString& commandLine) {
    module.paths = ReadPathSettings(module.settings, ToUtf8(module.programFolder));
    if (NeedsPathConfiguration(module.paths)) {
        // Say why before asking, so the empty dialog does not come out of nowhere.
        const auto missing = [](const std::string& path) {
            std::error_code error;
            return std::filesystem::is_regular_file(FsPath(FromUtf8(path)), error)
                       ? std::string()
                       : PathText(FsPath(FromUtf8(path)));
        };
        dialogs.ShowMessage(
            MissingStartFilesMessage(missing(module.paths.DefFwb), missing(module.paths.DefDB)));
        if (!ConfigurePaths(module, dialogs, runModal, ConfigureMode::Required)) {
            return nullptr;
        }
    }
    if (!OpenDatabase(module, dialogs, runModal)) {
        return nullptr;
    }
    const QString font = module.programFolder + QStringLiteral("/fonts/ArialDT.ttf");
    if (QFontDatabase::addApplicationFont(font) < 0) {
        dialogs.ShowMessage(MissingFontMessage(font));
    }
    auto window = std::make_unique<frmWaybillMain>(module, dialogs, runModal);
    window->Load(commandLine);
    window->show();
    // Asked over the shown document rather than before the window appears.
    QTimer::singleShot(0, window.get(),
                       [shown = window.get()] { shown->Session().Files().OfferStartRecovery(); });
    return window;
}

QString CommandLineDocument(const QStringList& arguments) {
    const qsizetype first = arguments.size() > 1 && arguments[1] == QLatin1String("--") ? 2 : 1;
    return arguments.mid(first).join(QLatin1Char(' ')).trimmed();
}

} // namespace waybill

#pragma once

#include "app/AppSettings.h"
#include "app/gui/dlgFolderTree.h"
#include "page/AttribDefs.h"
#include "platform/gui/ModalRunner.h"
#include "refdb/ReferenceDatabase.h"

#include <memory>
#include <QString>
#include <QStringList>

class QWidget;

namespace waybill {

class DialogService;
class frmWaybillMain;

// The values held for the whole run: the program folder, the path settings, the reference
// database and the attribute definitions read from it.
struct WaybillMain {
    WaybillMain(QString programFolder, SettingsStore& settings);

    QString programFolder;
    SettingsStore& settings;
    PathSettings paths;
    std::unique_ptr<ReferenceDatabase> database;
    std::unique_ptr<BlockAttribDefs> attribDefs;
    dlgFolderTree folderTree;
    // Where recovery copies of changed documents are kept (the user's data folder).
    QString recoveryFolder;
};

enum class ConfigureMode {
    Menu,     // File > Configure: the current paths shown, Cancel allowed
    Required, // a missing default document or database at start: empty, no Cancel
    Retry,    // the database would not open at start: the current paths shown, Cancel quits
};

// Shows Configure File Paths; on OK the paths become the run's and are stored in "Config".
// Answers whether the user clicked OK.
bool ConfigurePaths(WaybillMain& module, DialogService& dialogs, const ModalRunner& runModal,
                    ConfigureMode mode, QWidget* parent = nullptr);

// The entry procedure: reads the settings, asks for the default document and the database
// when either is missing, opens the database (telling the user when it cannot and asking for
// another one until it opens or they cancel), loads the drawing font, and loads and shows
// the main window with the document named on the command line; the recovery question of the
// start follows from the event loop. Null when the user cancelled.
std::unique_ptr<frmWaybillMain> StartWaybill(WaybillMain& module, DialogService& dialogs,
                                             const ModalRunner& runModal,
                                             const QString& commandLine);

// The command line as one document path: the arguments after the program, joined by blanks
// (a path with blanks may arrive split), trimmed. A first argument "--" is left out, so
// that a document named like one of the program's options can be opened.
QString CommandLineDocument(const QStringList& arguments);

} // namespace waybill

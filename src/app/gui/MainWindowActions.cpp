// The main window's actions, menus and toolbar. A toolbar button runs the same action as
// its menu entry, so one enabling rule serves both.
#include "app/gui/MainWindowActions.h"

#include "app/AppMessages.h"
#include "app/gui/frmWaybillMain.h"
#include "app/gui/ToolbarIcons.h"
#include "page/gui/PageWidget.h"
#include "platform/gui/DialogService.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace waybill {

QAction* frmWaybillMain::Action(const QString& name) const {
    return findChild<QAction*>(name);
}

void frmWaybillMain::CreateActions() {
    Actions& a = *actions_;
    const auto make = [this](const char* name, const QString& text, const QKeySequence& keys,
                             auto handler) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    a.mnuFileNew =
        make("mnuFileNew", QStringLiteral("&New"), QKeySequence::New, &frmWaybillMain::FileNew);
    a.mnuFileOpen = make("mnuFileOpen", QStringLiteral("&Open..."), QKeySequence::Open,
                         &frmWaybillMain::FileOpen);
    a.mnuFileSave =
        make("mnuFileSave", QStringLiteral("&Save"), QKeySequence::Save, &frmWaybillMain::FileSave);
    a.mnuFileSaveAs =
        make("mnuFileSaveAs", QStringLiteral("Save &As..."),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &frmWaybillMain::FileSaveAs);
    a.mnuFileConfig =
        make("mnuFileConfig", QStringLiteral("&Configure"), {}, &frmWaybillMain::FileConfigure);
    for (int i = 0; i < static_cast<int>(a.mnuFileMRU.size()); ++i) {
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("mnuFileMRU%1").arg(i));
        action->setVisible(false);
        connect(action, &QAction::triggered, this, [this, i] { FileRecent(i); });
        a.mnuFileMRU[static_cast<std::size_t>(i)] = action;
    }
    a.mnuFileExit = make("mnuFileExit", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q),
                         &frmWaybillMain::FileExit);

    a.mnuEditUndo =
        make("mnuEditUndo", QStringLiteral("&Undo"), QKeySequence::Undo, &frmWaybillMain::Undo);
    a.mnuEditRedo =
        make("mnuEditRedo", QStringLiteral("&Redo"), QKeySequence::Redo, &frmWaybillMain::Redo);
    a.mnuEditRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    a.mnuEditCut = make("mnuEditCut", QStringLiteral("Cu&t"), QKeySequence::Cut, [this] {
        page_->Cut();
        SetEditMenus();
    });
    a.mnuEditCopy = make("mnuEditCopy", QStringLiteral("&Copy"), QKeySequence::Copy, [this] {
        page_->Copy();
        SetEditMenus();
    });
    a.mnuEditPaste = make("mnuEditPaste", QStringLiteral("&Paste"), QKeySequence::Paste, [this] {
        page_->Paste();
        SetEditMenus();
    });
    a.mnuEditDelete =
        make("mnuEditDelete", QStringLiteral("&Delete"), QKeySequence(Qt::Key_Delete), [this] {
            page_->Delete();
            SetEditMenus();
        });

    a.mnuCtrlsFirstPg = make("mnuCtrlsFirstPg", QStringLiteral("&First Page"),
                             QKeySequence(Qt::CTRL | Qt::Key_Home), &frmWaybillMain::FirstPage);
    // A text box keeps Ctrl+Home and Ctrl+End for its caret; Ctrl+PgUp and Ctrl+PgDn work
    // everywhere.
    a.mnuCtrlsFirstPg->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Home), QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    a.mnuCtrlsPrevPg = make("mnuCtrlsPrevPg", QStringLiteral("&Previous Page"),
                            QKeySequence(Qt::Key_PageUp), &frmWaybillMain::PreviousPage);
    a.mnuCtrlsNextPg = make("mnuCtrlsNextPg", QStringLiteral("&Next Page"),
                            QKeySequence(Qt::Key_PageDown), &frmWaybillMain::NextPage);
    a.mnuCtrlsLastPg = make("mnuCtrlsLastPg", QStringLiteral("&Last Page"),
                            QKeySequence(Qt::CTRL | Qt::Key_End), &frmWaybillMain::LastPage);
    a.mnuCtrlsLastPg->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_End), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    a.mnuCtrlsGotoPg = make("mnuCtrlsGotoPg", QStringLiteral("&Go to Page..."),
                            QKeySequence(Qt::CTRL | Qt::Key_G), &frmWaybillMain::GotoPage);
    a.mnuCtrlsAddPg =
        make("mnuCtrlsAddPg", QStringLiteral("&Add Page"),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), &frmWaybillMain::AddPage);
    a.mnuCtrlsDelPg =
        make("mnuCtrlsDelPg", QStringLiteral("&Delete Page"),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete), &frmWaybillMain::DeletePage);
    a.mnuCtrlsCopyPg =
        make("mnuCtrlsCopyPg", QStringLiteral("C&opy Page"),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &frmWaybillMain::CopyPage);
    a.mnuCtrlsCutPg =
        make("mnuCtrlsCutPg", QStringLiteral("Cu&t Page"),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X), &frmWaybillMain::CutPage);
    a.mnuCtrlsPastePg =
        make("mnuCtrlsPastePg", QStringLiteral("Pa&ste Page"),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), &frmWaybillMain::PastePage);

    a.mnuCtrlsEditAttrib = make("mnuCtrlsEditAttrib", QStringLiteral("&Edit Attributes"), {},
                                &frmWaybillMain::EditAttributes);

    a.mnuOptSort = make("mnuOptSort", QStringLiteral("&Sort"), {}, &frmWaybillMain::SortWaybills);
    a.mnuOptNumberPages = make("mnuOptNumberPages", QStringLiteral("&Number Pages"), {},
                               [this] { ToggleNumbering(QStringLiteral("Number Pages")); });
    a.mnuOptNumberPages->setCheckable(true);
    a.mnuOptShowTotalPages = make("mnuOptShowTotalPages", QStringLiteral("Show &Total Pages"), {},
                                  [this] { ToggleNumbering(QStringLiteral("Show Total Pages")); });
    a.mnuOptShowTotalPages->setCheckable(true);
    a.mnuOptRedLine =
        make("mnuOptRedLine", QStringLiteral("&Red Line"), {}, &frmWaybillMain::RedLine);

    a.mnuHelpContents = make("mnuHelpContents", QStringLiteral("&Contents"),
                             QKeySequence::HelpContents, &frmWaybillMain::HelpContents);
    a.mnuHelpSearch = make("mnuHelpSearch", QStringLiteral("&Search For Help On..."), {},
                           &frmWaybillMain::HelpContents);
    a.mnuHelpAbout = make("mnuHelpAbout", QStringLiteral("&About"), {}, &frmWaybillMain::About);
    CreatePrintActions();
}

void frmWaybillMain::CreateMenus() {
    Actions& a = *actions_;
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->addActions({a.mnuFileNew, a.mnuFileOpen, a.mnuFileSave, a.mnuFileSaveAs});
    file->addSeparator();
    file->addActions(
        {a.mnuFilePrintPreview, a.mnuFilePrint, a.mnuFilePrintSetup, a.mnuFileExportPdf});
    file->addSeparator();
    file->addAction(a.mnuFileConfig);
    CreateExportActions(*file);
    a.mnuFileBar5 = file->addSeparator();
    a.mnuFileBar5->setObjectName(QStringLiteral("mnuFileBar5"));
    a.mnuFileBar5->setVisible(false);
    for (QAction* recent : a.mnuFileMRU) {
        file->addAction(recent);
    }
    file->addSeparator();
    file->addAction(a.mnuFileExit);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    edit->addActions({a.mnuEditUndo, a.mnuEditRedo});
    edit->addSeparator();
    edit->addActions({a.mnuEditCut, a.mnuEditCopy, a.mnuEditPaste, a.mnuEditDelete});

    QMenu* pages = menuBar()->addMenu(QStringLiteral("&Pages"));
    pages->setObjectName(QStringLiteral("mnuCtrls"));
    pages->addActions({a.mnuCtrlsFirstPg, a.mnuCtrlsPrevPg, a.mnuCtrlsNextPg, a.mnuCtrlsLastPg,
                       a.mnuCtrlsGotoPg});
    pages->addSeparator();
    pages->addActions({a.mnuCtrlsAddPg, a.mnuCtrlsDelPg});
    pages->addSeparator();
    pages->addActions({a.mnuCtrlsCopyPg, a.mnuCtrlsCutPg, a.mnuCtrlsPastePg});
    pages->addSeparator();
    pages->addAction(a.mnuCtrlsEditAttrib);

    CreateDetailMenu();

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mnuOpt"));
    options->addActions({a.mnuOptSort, a.mnuOptNumberPages, a.mnuOptShowTotalPages});
    options->addSeparator();
    options->addAction(a.mnuOptRedLine);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->addActions({a.mnuHelpContents, a.mnuHelpSearch});
    help->addSeparator();
    help->addAction(a.mnuHelpAbout);
}

void frmWaybillMain::CreateToolbar() {
    Actions& a = *actions_;
    toolbar_ = addToolBar(QStringLiteral("Toolbar"));
    toolbar_->setObjectName(QStringLiteral("tbToolBar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
    toolbar_->toggleViewAction()->setEnabled(false);
    const auto button = [this](QAction* action, const char* key, const QString& tip) {
        action->setIcon(ToolbarIcon(QString::fromLatin1(key)));
        if (!tip.isEmpty()) {
            action->setToolTip(tip);
        }
        action->setData(QString::fromLatin1(key));
        toolbar_->addAction(action);
    };
    button(a.mnuFileNew, "New", QStringLiteral("New"));
    button(a.mnuFileOpen, "Open", QStringLiteral("Open"));
    button(a.mnuFileSave, "Save", QStringLiteral("Save"));
    button(a.mnuFilePrint, "Print", QStringLiteral("Print"));
    toolbar_->addSeparator();
    button(a.mnuEditCut, "Cut", QStringLiteral("Cut"));
    button(a.mnuEditCopy, "Copy", QStringLiteral("Copy"));
    button(a.mnuEditPaste, "Paste", QStringLiteral("Paste"));
    toolbar_->addSeparator();
    button(a.mnuCtrlsFirstPg, "FirstPg", QStringLiteral("First Page"));
    button(a.mnuCtrlsPrevPg, "PrevPg", QStringLiteral("Previous Page"));
    button(a.mnuCtrlsNextPg, "NextPg", QStringLiteral("Next Page"));
    button(a.mnuCtrlsLastPg, "LastPg", QStringLiteral("Last Page"));
    button(a.mnuCtrlsGotoPg, "GotoPg", QStringLiteral("Go to Page"));
    toolbar_->addSeparator();
    button(a.mnuCtrlsCopyPg, "CopyPg", QStringLiteral("Copy Page"));
    button(a.mnuCtrlsCutPg, "CutPg", QStringLiteral("Cut Page"));
    button(a.mnuCtrlsPastePg, "PastePg", QStringLiteral("Paste Page"));
    button(a.mnuCtrlsAddPg, "AddPg", QStringLiteral("Add Page"));
    button(a.mnuCtrlsDelPg, "DelPg", QStringLiteral("Delete Page"));
    toolbar_->addSeparator();
    button(a.mnuCtrlsEditAttrib, "EditAttrib", QStringLiteral("Edit Attributes"));
    toolbar_->addSeparator();
    // Their tips follow the menu text, which names the step.
    button(a.mnuEditUndo, "Undo", {});
    button(a.mnuEditRedo, "Redo", {});
}

} // namespace waybill

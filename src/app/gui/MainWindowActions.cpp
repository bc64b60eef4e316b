// The main window's actions, menus and toolbar (frmWaybillMain.h), from one table. A toolbar
// button runs the same action as its menu entry, so one enabling rule serves both.
#include "app/AppMessages.h"
#include "app/gui/ChangesDock.h"
#include "app/gui/FindBar.h"
#include "app/gui/frmWaybillMain.h"
#include "app/gui/ToolbarIcons.h"
#include "app/gui/WaybillMain.h"
#include "app/gui/WindowCommands.h"
#include "page/gui/PageWidget.h"
#include "platform/gui/DialogService.h"
#include "print/gui/PrintCommands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace waybill {

// One action: its name, menu text and shortcuts; the toolbar icon and tip when it has a
// button; what it does; and the enabling rule (none: always enabled).
struct frmWaybillMain::ActionRow {
    const char* name;
    const char* caption;
    QList<QKeySequence> keys;
    std::function<void()> handler;
    bool CommandEnabling::*rule = nullptr;
    const char* icon = nullptr;
    const char* tip = nullptr; // the menu text's step name when empty
};

namespace {

using E = CommandEnabling;
using Keys = QList<QKeySequence>;

QKeySequence Ctrl(Qt::Key key, bool shift = false) {
    return shift ? QKeySequence(Qt::CTRL | Qt::SHIFT | key) : QKeySequence(Qt::CTRL | key);
}

} // namespace

QAction* frmWaybillMain::Action(const QString& name) const {
    return findChild<QAction*>(name);
}

void frmWaybillMain::CreateActions() {
    EditSession& s = session_;
    DocumentFiles& f = session_.Files();
    const auto print = [this](auto command) {
        return [this, command] { printing_->Run(command); };
    };
    const auto edit = [this](void (PageWidget::*command)()) {
        return [this, command] {
            (page_->*command)();
            SetEnabling();
        };
    };
    // clang-format off
    std::vector<ActionRow> rows = {
        {"mnuFileNew", "&New", {QKeySequence::New}, [&f] { f.FileNew(); }, {}, "New", "New"},
        {"mnuFileOpen", "&Open...", {QKeySequence::Open}, [&f] { f.FileOpen(); }, {}, "Open", "Open"},
        {"mnuFileSave", "&Save", {QKeySequence::Save}, [&f] { f.FileSave(); }, &E::save, "Save", "Save"},
        {"mnuFileSaveAs", "Save &As...", {Ctrl(Qt::Key_S, true)}, [&f] { f.FileSaveAs(); }, &E::documentCommands},
        {"mnuFilePrintPreview", "Print Pre&view", {}, print([](PrintContext& c) { PreviewWaybill(c); }), &E::documentCommands},
        {"mnuFilePrint", "&Print...", {QKeySequence::Print}, print([](PrintContext& c) { PrintWaybill(c); }), &E::documentCommands, "Print", "Print"},
        {"mnuFilePrintSetup", "Printer Set&up...", {}, print([](PrintContext& c) { SetUpPrinter(c); })},
        {"mnuFileExportPdf", "Export P&DF...", {Ctrl(Qt::Key_E, true)}, [this] { printing_->ExportPdf(); }, &E::documentCommands},
        {"mnuFileExportTable", "&Export Table", {}, [&s] { s.ExportTable(); }, &E::documentCommands},
        {"mnuFileExportPunches", "Export Punc&hes", {}, [this] { exports_->ExportPunches(); }, &E::documentCommands},
        {"mnuFileCompare", "Co&mpare With...", {}, [&s] { s.FileCompareWith(); }, &E::documentCommands},
        {"mnuFileStopCompare", "Stop Comparin&g", {}, [&s] { s.StopComparing(); }, &E::comparing},
        {"mnuFileConfig", "&Configure", {}, [this] { ConfigurePaths(module_, dialogs_, runModal_, ConfigureMode::Menu, this); }},
        {"mnuFileExit", "E&xit", {Ctrl(Qt::Key_Q)}, [this] { close(); }},

        {"mnuEditUndo", "&Undo", {QKeySequence::Undo}, [&s] { s.Undo(); }, &E::undo, "Undo", ""},
        {"mnuEditRedo", "&Redo", {Ctrl(Qt::Key_Z, true), Ctrl(Qt::Key_Y)}, [&s] { s.Redo(); }, &E::redo, "Redo", ""},
        {"mnuEditCut", "Cu&t", {QKeySequence::Cut}, edit(&PageWidget::Cut), &E::cut, "Cut", "Cut"},
        {"mnuEditCopy", "&Copy", {QKeySequence::Copy}, edit(&PageWidget::Copy), &E::copy, "Copy", "Copy"},
        {"mnuEditPaste", "&Paste", {QKeySequence::Paste}, edit(&PageWidget::Paste), &E::paste, "Paste", "Paste"},
        {"mnuEditDelete", "&Delete", {QKeySequence(Qt::Key_Delete)}, edit(&PageWidget::Delete), &E::cut},
        {"mnuEditFind", "&Find...", {Ctrl(Qt::Key_F)}, [this] { Finder().Open(false); }, &E::documentCommands},
        {"mnuEditReplace", "R&eplace...", {Ctrl(Qt::Key_H)}, [this] { Finder().Open(true); }, &E::editing},
        {"mnuEditFindNext", "Find &Next", {QKeySequence(Qt::Key_F3)}, [this] { Finder().Next(); }, &E::documentCommands},
        {"mnuEditFindPrev", "Find Pre&vious", {QKeySequence(Qt::SHIFT | Qt::Key_F3)}, [this] { Finder().Previous(); }, &E::documentCommands},
        {"mnuEditNextChange", "Next C&hange", {QKeySequence(Qt::Key_F8)}, [this] { Changes().Next(); }, &E::comparing},
        {"mnuEditPrevChange", "Previous Chan&ge", {QKeySequence(Qt::SHIFT | Qt::Key_F8)}, [this] { Changes().Previous(); }, &E::comparing},

        // A text box keeps Ctrl+Home and Ctrl+End for its caret; Ctrl+PgUp and Ctrl+PgDn work
        // everywhere.
        {"mnuCtrlsFirstPg", "&First Page", {Ctrl(Qt::Key_Home), Ctrl(Qt::Key_PageUp)}, [&s] { s.ShowPage(1); }, &E::firstPage, "FirstPg", "First Page"},
        {"mnuCtrlsPrevPg", "&Previous Page", {QKeySequence(Qt::Key_PageUp)}, [&s] { s.ShowPage(s.Waybill().CurPage() - 1); }, &E::firstPage, "PrevPg", "Previous Page"},
        {"mnuCtrlsNextPg", "&Next Page", {QKeySequence(Qt::Key_PageDown)}, [&s] { s.ShowPage(s.Waybill().CurPage() + 1); }, &E::lastPage, "NextPg", "Next Page"},
        {"mnuCtrlsLastPg", "&Last Page", {Ctrl(Qt::Key_End), Ctrl(Qt::Key_PageDown)}, [&s] { s.ShowPage(s.Waybill().PageCount()); }, &E::lastPage, "LastPg", "Last Page"},
        {"mnuCtrlsGotoPg", "&Go to Page...", {Ctrl(Qt::Key_G)}, [this] { pages_->GotoPage(); }, &E::gotoPage, "GotoPg", "Go to Page"},
        {"mnuCtrlsAddPg", "&Add Page", {Ctrl(Qt::Key_A, true)}, [this] { pages_->AddPage(); }, &E::addPage, "AddPg", "Add Page"},
        {"mnuCtrlsDelPg", "&Delete Page", {Ctrl(Qt::Key_Delete, true)}, [&s] { s.DeletePage(); }, &E::pageEdits, "DelPg", "Delete Page"},
        {"mnuCtrlsCopyPg", "C&opy Page", {Ctrl(Qt::Key_C, true)}, [&s] { s.CopyPage(); }, &E::pageCommands, "CopyPg", "Copy Page"},
        {"mnuCtrlsCutPg", "Cu&t Page", {Ctrl(Qt::Key_X, true)}, [&s] { s.CutPage(); }, &E::pageEdits, "CutPg", "Cut Page"},
        {"mnuCtrlsPastePg", "Pa&ste Page", {Ctrl(Qt::Key_V, true)}, [&s] { s.PastePage(); }, &E::pastePage, "PastePg", "Paste Page"},
        {"mnuCtrlsEditAttrib", "&Edit Attributes", {}, [this] { pages_->EditAttributes(); }, &E::pageEdits, "EditAttrib", "Edit Attributes"},

        {"mnuOptSort", "&Sort", {}, [&s] { s.SortPages(); }, &E::sort},
        {"mnuOptNumberPages", "&Number Pages", {}, [&s] { s.ToggleNumberPages(); }, &E::editing},
        {"mnuOptShowTotalPages", "Show &Total Pages", {}, [&s] { s.ToggleShowPageTotal(); }, &E::editing},
        {"mnuOptRedLine", "&Red Line", {}, [this] { pages_->RedLine(); }, &E::editing},

        // There is no help file: both help commands say so.
        {"mnuHelpContents", "&Contents", {QKeySequence::HelpContents}, [this] { dialogs_.ShowMessage(NoHelpMessage()); }},
        {"mnuHelpSearch", "&Search For Help On...", {}, [this] { dialogs_.ShowMessage(NoHelpMessage()); }},
        {"mnuHelpAbout", "&About", {}, [this] {
             dialogs_.ShowMessage(AboutMessage(WAYBILL_VERSION_MAJOR, WAYBILL_VERSION_MINOR, WAYBILL_VERSION_REVISION));
         }},
    };
    // clang-format on
    std::size_t index = 0;
    for (const char* name : {"mnuFileMRU0", "mnuFileMRU1", "mnuFileMRU2", "mnuFileMRU3"}) {
        rows.push_back({name, "", {}, [&f, i = index++] { f.FileOpenRecent(i); }});
    }
    AddActions(rows);
}

void frmWaybillMain::AddActions(const std::vector<ActionRow>& rows) {
    for (const ActionRow& row : rows) {
        auto* action = new QAction(QString::fromLatin1(row.caption), this);
        action->setObjectName(QString::fromLatin1(row.name));
        action->setShortcuts(row.keys);
        connect(action, &QAction::triggered, this, row.handler);
        if (row.rule != nullptr) {
            ruled_.emplace_back(action, row.rule);
        }
        if (row.icon != nullptr) {
            action->setIcon(ToolbarIcon(QString::fromLatin1(row.icon)));
            action->setData(QString::fromLatin1(row.icon));
            if (*row.tip != '\0') {
                action->setToolTip(QString::fromLatin1(row.tip));
            }
        }
    }
    for (const char* name : {"mnuOptNumberPages", "mnuOptShowTotalPages"}) {
        Action(QString::fromLatin1(name))->setCheckable(true);
    }

    // Menus and the toolbar by action name; "-" is a separator.
    using Names = std::initializer_list<const char*>;
    const auto fill = [this](auto& bar, Names names) {
        for (const char* name : names) {
            if (std::string_view(name) == "-") {
                bar.addSeparator();
            } else {
                bar.addAction(Action(QString::fromLatin1(name)));
            }
        }
    };
    const auto menu = [&](const char* name, const char* title, Names names) {
        QMenu* added = menuBar()->addMenu(QString::fromLatin1(title));
        added->setObjectName(QString::fromLatin1(name));
        fill(*added, names);
        return added;
    };
    QMenu* file = menu("mnuFile", "&File",
                       {"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuFileSaveAs", "-",
                        "mnuFilePrintPreview", "mnuFilePrint", "mnuFilePrintSetup",
                        "mnuFileExportPdf", "-", "mnuFileExportTable", "mnuFileExportPunches", "-",
                        "mnuFileCompare", "mnuFileStopCompare", "-", "mnuFileConfig"});
    QAction* recentBar = file->addSeparator();
    recentBar->setObjectName(QStringLiteral("mnuFileBar5"));
    recentBar->setVisible(false);
    fill(*file, {"mnuFileMRU0", "mnuFileMRU1", "mnuFileMRU2", "mnuFileMRU3", "-", "mnuFileExit"});
    menu("mnuEdit", "&Edit",
         {"mnuEditUndo", "mnuEditRedo", "-", "mnuEditCut", "mnuEditCopy", "mnuEditPaste",
          "mnuEditDelete", "-", "mnuEditFind", "mnuEditReplace", "mnuEditFindNext",
          "mnuEditFindPrev", "-", "mnuEditNextChange", "mnuEditPrevChange"});
    menu("mnuCtrls", "&Pages",
         {"mnuCtrlsFirstPg", "mnuCtrlsPrevPg", "mnuCtrlsNextPg", "mnuCtrlsLastPg", "mnuCtrlsGotoPg",
          "-", "mnuCtrlsAddPg", "mnuCtrlsDelPg", "-", "mnuCtrlsCopyPg", "mnuCtrlsCutPg",
          "mnuCtrlsPastePg", "-", "mnuCtrlsEditAttrib"});
    CreateDetailMenu();
    menu("mnuOpt", "&Options",
         {"mnuOptSort", "mnuOptNumberPages", "mnuOptShowTotalPages", "-", "mnuOptRedLine"});
    menu("mnuHelp", "&Help", {"mnuHelpContents", "mnuHelpSearch", "-", "mnuHelpAbout"});

    toolbar_ = addToolBar(QStringLiteral("Toolbar"));
    toolbar_->setObjectName(QStringLiteral("tbToolBar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
    toolbar_->toggleViewAction()->setEnabled(false);
    // clang-format off
    const Names buttons = {"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuFilePrint", "-",
                           "mnuEditCut", "mnuEditCopy", "mnuEditPaste", "-",
                           "mnuCtrlsFirstPg", "mnuCtrlsPrevPg", "mnuCtrlsNextPg", "mnuCtrlsLastPg", "mnuCtrlsGotoPg", "-",
                           "mnuCtrlsCopyPg", "mnuCtrlsCutPg", "mnuCtrlsPastePg", "mnuCtrlsAddPg", "mnuCtrlsDelPg", "-",
                           "mnuCtrlsEditAttrib", "-", "mnuEditUndo", "mnuEditRedo"};
    // clang-format on
    fill(*toolbar_, buttons);
}

} // namespace waybill

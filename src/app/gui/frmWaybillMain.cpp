#include "app/gui/frmWaybillMain.h"

#include "app/AppMessages.h"
#include "app/CommandEnabling.h"
#include "app/gui/MainWindowActions.h"
#include "app/gui/PrintWiring.h"
#include "app/gui/WaybillMain.h"
#include "app/Recovery.h"
#include "page/gui/PageWidget.h"
#include "page/PageData.h"
#include "platform/gui/DialogService.h"
#include "platform/gui/QtText.h"

#include <cmath>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace waybill {
namespace {

// The sheet: 10.25 x 7.75 sheet inches, shown 1024 pixels wide at start.
constexpr double kSheetRatio = 7.75 / 10.25;
constexpr int kStartWidth = 1024;
constexpr int kMinimumWidth = 800;
constexpr int kMinimumHeight = 600;

} // namespace

frmWaybillMain::frmWaybillMain(WaybillMain& module, DialogService& dialogs, ModalRunner runModal,
                               QWidget* parent)
    : QMainWindow(parent), module_(module), dialogs_(dialogs), runModal_(std::move(runModal)),
      document_(module.document), actions_(std::make_unique<Actions>()) {
    setObjectName(QStringLiteral("frmWaybillMain"));
    page_ = new PageWidget(dialogs_, this);
    page_->SetEnvironment(module_.database.get(), module_.attribDefs.get(),
                          FsPath(module_.programFolder + QStringLiteral("/blocks")));
    setCentralWidget(page_);
    CreateActions();
    CreateMenus();
    CreateToolbar();
    statusBar(); // from the start, so the page never changes size when a note first shows

    connect(page_, &PageWidget::Changed, this, &frmWaybillMain::RecordView);
    ConnectCatalog();
    connect(page_, &PageWidget::StatusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(page_, &PageWidget::EditStateChanged, this, &frmWaybillMain::SetEditMenus);
    // The block picture's double-click is the Edit Attributes command while it is enabled.
    connect(page_, &PageWidget::BlockPictureDoubleClicked, this,
            [this] { actions_->mnuCtrlsEditAttrib->trigger(); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &frmWaybillMain::SetEditMenus);
    autosaveTimer_ = new QTimer(this);
    connect(autosaveTimer_, &QTimer::timeout, this, &frmWaybillMain::Autosave);
    SetWindowCaption();
    SetCtrlMenus();
    SetEditMenus();
}

frmWaybillMain::~frmWaybillMain() = default;

void frmWaybillMain::Load(const QString& commandLine) {
    StartSize();
    actions_->mnuOptNumberPages->setChecked(false);
    actions_->mnuOptShowTotalPages->setChecked(false);
    recentFiles_ = ReadRecentFiles(module_.settings);
    ShowRecentFiles();
    MakeNewWaybill();
    // The default document is read before the command-line document, so the pages of a
    // document opened at start get their positions like any other opened document.
    loaded_ = true;
    MakeDefWaybill();
    if (commandLine.isEmpty()) {
        ShowPage(0);
        OfferRecovery(); // of an untitled document
    } else {
        OpenWaybillFile(QFileInfo(commandLine).absoluteFilePath());
    }
    SetEditMenus();
    if (const int seconds = ReadAutosaveSeconds(module_.settings); seconds > 0) {
        autosaveTimer_->start(seconds * 1000);
    }
}

QString frmWaybillMain::DocPath() const {
    return FromUtf8(document_.Path());
}

QString frmWaybillMain::WorkFolder() const {
    return FromUtf8(module_.paths.WorkFolder);
}

void frmWaybillMain::ShowMessages(const std::optional<UserMessage>& message) {
    if (message) {
        dialogs_.ShowMessage(*message);
    }
}

void frmWaybillMain::ShowPage(int pageNumber) {
    const Book& book = document_.GetBook();
    if (book.PageCount() == 0) {
        page_->ClearPage(); // an empty view, as for a new document
    } else if (pageNumber < 1) {
        page_->ShowPage(book, book.CurPage());
    } else if (pageNumber <= book.PageCount()) {
        document_.GotoPage(pageNumber);
        page_->ShowPage(book, pageNumber);
    } else {
        page_->HidePage(false);
    }
    BindPageFinishes();
    SetCtrlMenus();
}

// Every edit of the view is composed into the document as it is committed, so storing the
// page is committing what is still being typed.
void frmWaybillMain::ChkPgContents() {
    page_->CommitEdits();
}

void frmWaybillMain::RecordView(const QString& name) {
    if (document_.GetBook().PageCount() == 0) {
        return;
    }
    RecordStep(name, [this](Book& book) { ComposePageData(page_->View(), book); });
}

void frmWaybillMain::RecordStep(const QString& name, const std::function<void(Book&)>& change) {
    document_.Record(ToUtf8(name), change);
    SetHistoryMenus();
}

void frmWaybillMain::RecordPageEdit(const QString& name,
                                    const std::function<void(PageView&)>& change) {
    ChkPgContents();
    if (document_.GetBook().PageCount() == 0) {
        return;
    }
    change(page_->View());
    BindPageFinishes(); // the Finish field may have changed
    RecordView(name);
    page_->RefreshFromView();
    SetEditMenus();
}

void frmWaybillMain::RecordDocumentEdit(const QString& name,
                                        const std::function<void(Book&)>& change) {
    ChkPgContents();
    RecordStep(name, change);
    page_->SetTblkInfo(document_.GetBook());
    ShowPage(0);
    CheckSort();
}

void frmWaybillMain::Undo() {
    ChkPgContents(); // what is being typed becomes the step undone
    if (document_.Undo()) {
        ShowDocument();
    }
}

void frmWaybillMain::Redo() {
    ChkPgContents();
    if (document_.Redo()) {
        ShowDocument();
    }
}

void frmWaybillMain::ShowDocument() {
    SetNumberingChecks();
    page_->SetTblkInfo(document_.GetBook());
    ShowPage(0);
    CheckSort();
    SetHistoryMenus();
}

void frmWaybillMain::SetNumberingChecks() {
    actions_->mnuOptNumberPages->setChecked(document_.GetBook().NumberPgs);
    actions_->mnuOptShowTotalPages->setChecked(document_.GetBook().ShowPgTot);
    page_->SetPageNumbering(document_.GetBook().NumberPgs,
                            document_.GetBook().NumberPgs && document_.GetBook().ShowPgTot);
}

void frmWaybillMain::SetHistoryMenus() {
    Actions& a = *actions_;
    const QString undo = FromUtf8(document_.UndoName());
    const QString redo = FromUtf8(document_.RedoName());
    a.mnuEditUndo->setText(undo.isEmpty() ? QStringLiteral("&Undo")
                                          : QStringLiteral("&Undo ") + undo);
    a.mnuEditRedo->setText(redo.isEmpty() ? QStringLiteral("&Redo")
                                          : QStringLiteral("&Redo ") + redo);
    // Text being typed is committed by Undo and so can be undone.
    a.mnuEditUndo->setEnabled(document_.CanUndo() || page_->HasPendingEdit());
    a.mnuEditRedo->setEnabled(document_.CanRedo());
}

void frmWaybillMain::SetCtrlMenus() {
    const Book& book = document_.GetBook();
    const CommandEnabling enabling =
        ComputeEnabling(book.PageCount(), book.CurPage(), book.HasPageBuf(), loaded_);
    Actions& a = *actions_;
    a.mnuCtrlsFirstPg->setEnabled(enabling.firstPage);
    a.mnuCtrlsPrevPg->setEnabled(enabling.firstPage);
    a.mnuCtrlsGotoPg->setEnabled(enabling.gotoPage);
    a.mnuCtrlsNextPg->setEnabled(enabling.lastPage);
    a.mnuCtrlsLastPg->setEnabled(enabling.lastPage);
    a.mnuCtrlsAddPg->setEnabled(enabling.addPage);
    a.mnuCtrlsDelPg->setEnabled(enabling.pageCommands);
    a.mnuCtrlsCopyPg->setEnabled(enabling.pageCommands);
    a.mnuCtrlsCutPg->setEnabled(enabling.pageCommands);
    a.mnuCtrlsPastePg->setEnabled(enabling.pastePage);
    a.mnuCtrlsEditAttrib->setEnabled(enabling.pageCommands);
    a.mnuFileSave->setEnabled(enabling.documentCommands);
    a.mnuFileSaveAs->setEnabled(enabling.documentCommands);
    SetExportMenus(enabling.documentCommands);
    a.mnuFilePrintPreview->setEnabled(enabling.documentCommands);
    a.mnuFilePrint->setEnabled(enabling.documentCommands);
    a.mnuFileExportPdf->setEnabled(enabling.documentCommands);
}

void frmWaybillMain::SetEditMenus() {
    const bool canCopy = page_->CanCopy();
    actions_->mnuEditCut->setEnabled(canCopy);
    actions_->mnuEditCopy->setEnabled(canCopy);
    actions_->mnuEditDelete->setEnabled(canCopy);
    actions_->mnuEditPaste->setEnabled(page_->CanPaste());
    SetHistoryMenus();
}

void frmWaybillMain::About() {
    dialogs_.ShowMessage(
        AboutMessage(WAYBILL_VERSION_MAJOR, WAYBILL_VERSION_MINOR, WAYBILL_VERSION_REVISION));
}

// There is no help file: both help commands say so.
void frmWaybillMain::HelpContents() {
    dialogs_.ShowMessage(NoHelpMessage());
}

void frmWaybillMain::closeEvent(QCloseEvent* event) {
    if (!ChangedOK()) {
        event->ignore();
        return;
    }
    autosaveTimer_->stop();
    RemoveRecovery(); // saved, unchanged or discarded
    WriteRecentFiles(module_.settings, recentFiles_);
    event->accept();
}

// The menu bar and the toolbar above the page and the status bar below it, as the window
// lays them out (their own sizes are not settled yet while the window is first shown).
int frmWaybillMain::ChromeHeight() const {
    const int menu = menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
    const int status = statusBar()->isHidden() ? 0 : statusBar()->sizeHint().height();
    return menu + status + (toolbar_->isHidden() ? 0 : toolbar_->sizeHint().height());
}

// A screen up to 1024 pixels wide, or one too low for the sheet at that width, gets a
// maximised window; otherwise the page area starts 1024 pixels wide at the sheet's
// proportions.
void frmWaybillMain::StartSize() {
    const int height = static_cast<int>(std::lround(kStartWidth * kSheetRatio)) + ChromeHeight();
    const QScreen* display = screen();
    const bool maximise = display == nullptr || display->geometry().width() <= kStartWidth ||
                          display->availableGeometry().height() < height;
    if (maximise) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        resize(kStartWidth, height);
    }
}

void frmWaybillMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!loaded_ || resizing_ ||
        (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
        return;
    }
    KeepSheetProportions();
}

// A normal window keeps the sheet's proportions: a wide window sets the height from the
// width (at least 800 pixels), a tall one the width from the height (at least 600).
void frmWaybillMain::KeepSheetProportions() {
    resizing_ = true;
    const int chrome = ChromeHeight();
    int width = this->width();
    int height = this->height();
    if (width > height) {
        width = std::max(width, kMinimumWidth);
        height = static_cast<int>(std::lround(width * kSheetRatio)) + chrome;
    } else {
        height = std::max(height, kMinimumHeight);
        width = static_cast<int>(std::lround((height - chrome) / kSheetRatio));
    }
    if (QSize(width, height) != size()) {
        resize(width, height);
    }
    resizing_ = false;
}

} // namespace waybill

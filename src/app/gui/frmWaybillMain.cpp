#include "app/gui/frmWaybillMain.h"

#include "app/AppMessages.h"
#include "app/DocumentName.h"
#include "app/gui/ChangesDock.h"
#include "app/gui/FindBar.h"
#include "app/gui/QtClock.h"
#include "app/gui/SheetProportions.h"
#include "app/gui/WaybillMain.h"
#include "app/gui/WindowCommands.h"
#include "catalog/gui/cmbFinish.h"
#include "page/gui/PageWidget.h"
#include "platform/gui/DialogService.h"
#include "platform/gui/QtText.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

namespace waybill {
namespace {

SessionSetup SetupFor(WaybillMain& module, const SessionClock& clock) {
    return {module.database.get(),
            module.attribDefs.get(),
            FsPath(module.programFolder + QStringLiteral("/blocks")),
            FsPath(module.programFolder + QStringLiteral("/Red-line.fwb")),
            {&module.paths, &module.settings, FsPath(module.recoveryFolder), &clock,
             &SystemLockCalls(), ToUtf8(module.programFolder),
             ToUtf8(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
             ToUtf8(QDir::homePath())}};
}

} // namespace

frmWaybillMain::frmWaybillMain(WaybillMain& module, DialogService& dialogs, ModalRunner runModal,
                               QWidget* parent)
    : QMainWindow(parent), module_(module), dialogs_(dialogs), runModal_(std::move(runModal)),
      clock_(std::make_unique<QtClock>()), session_(SetupFor(module, *clock_), dialogs) {
    setObjectName(QStringLiteral("frmWaybillMain"));
    page_ = new PageWidget(dialogs_, this);
    page_->SetEnvironment(module_.database.get(), module_.attribDefs.get(), &session_.Blocks(),
                          &session_);
    setCentralWidget(page_);
    session_.SetPendingTyping(page_);
    session_.SetPageArea(page_->Area());
    const WindowParts parts{module_, session_, dialogs_, runModal_, *page_, *this};
    pages_ = std::make_unique<PageCommands>(parts);
    catalog_ = std::make_unique<CatalogCommands>(parts);
    exports_ = std::make_unique<ExportCommands>(parts);
    printing_ = std::make_unique<PrintWiring>(parts);
    CreateActions();
    proportions_ =
        new SheetProportions(*this, *toolbar_, [this] { return session_.Files().IsStarted(); });
    statusBar(); // from the start, so the page never changes size when a note first shows

    session_.SetListener([this](SessionChanges changes) { Refresh(changes); });
    connect(page_, &PageWidget::AreaChanged, this, [this] { session_.SetPageArea(page_->Area()); });
    connect(page_, &PageWidget::StatusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(page_, &PageWidget::EditStateChanged, this, &frmWaybillMain::SetEnabling);
    // The block picture's double-click is the Edit Attributes command while it is enabled.
    connect(page_, &PageWidget::BlockPictureDoubleClicked, this,
            [this] { Action(QStringLiteral("mnuCtrlsEditAttrib"))->trigger(); });
    autosaveTimer_ = new QTimer(this);
    connect(autosaveTimer_, &QTimer::timeout, this, [this] { session_.Files().Autosave(); });
    Refresh(SessionChange::WholeDocument);
}

// The page goes first, while the session its boxes commit to is still there.
frmWaybillMain::~frmWaybillMain() {
    session_.SetListener({});
    session_.SetPendingTyping(nullptr);
    delete page_;
}

void frmWaybillMain::Load(const QString& commandLine) {
    proportions_->SizeAtStart();
    // The bars and the page take their sizes now, so the first page is drawn for its shown
    // size (a maximized window may still be given another when shown).
    ensurePolished();
    layout()->activate();
    page_->FitToSize();
    session_.Start(commandLine.isEmpty() ? std::string()
                                         : ToUtf8(QFileInfo(commandLine).absoluteFilePath()));
    if (const int seconds = session_.Files().AutosaveSeconds(); seconds > 0) {
        autosaveTimer_->start(seconds * 1000);
    }
}

void frmWaybillMain::Refresh(SessionChanges changes) {
    using namespace SessionChange;
    const Book& book = session_.Waybill();
    if (changes & Header) {
        Action(QStringLiteral("mnuOptNumberPages"))->setChecked(book.NumberPgs);
        Action(QStringLiteral("mnuOptShowTotalPages"))->setChecked(book.ShowPgTot);
        page_->SetPageNumbering(book.NumberPgs, book.NumberPgs && book.ShowPgTot);
    }
    if (changes & PageShown) {
        session_.IsPageShown() ? page_->ShowView(session_.View()) : page_->ClearPage();
    } else if (changes & (PageTexts | PageDrawing | Header)) {
        page_->RefreshFromView((changes & PageDrawing) != 0);
    }
    if (changes & History) {
        if (findBar_ != nullptr) {
            findBar_->DocumentChanged();
        }
        const auto name = [](const char* command, const std::string& step) {
            return QString::fromLatin1(command) +
                   (step.empty() ? QString() : ' ' + FromCp1252(step));
        };
        Action(QStringLiteral("mnuEditUndo"))->setText(name("&Undo", session_.Doc().UndoName()));
        Action(QStringLiteral("mnuEditRedo"))->setText(name("&Redo", session_.Doc().RedoName()));
    }
    if (changes & DocumentName) {
        const bool readOnly = session_.Files().IsReadOnly();
        setWindowTitle(FromUtf8(WindowCaption(session_.Doc().Path(), readOnly)) +
                       QStringLiteral("[*]"));
        page_->SetReadOnly(readOnly);
    }
    if (changes & (History | DocumentName)) {
        setWindowModified(session_.Doc().FileChanged());
    }
    if (changes & RecentList) {
        ShowRecentFiles();
    }
    if (changes & Status) {
        statusBar()->showMessage(FromCp1252(session_.StatusNote()));
    }
    if (changesDock_ != nullptr || session_.Compared().Active()) {
        Changes().Refresh(changes);
    }
    SetEnabling();
}

FindBar& frmWaybillMain::Finder() {
    if (findBar_ == nullptr) {
        findBar_ = new FindBar(session_, *page_, *this, module_.database.get());
    }
    return *findBar_;
}

ChangesDock& frmWaybillMain::Changes() {
    if (changesDock_ == nullptr) {
        changesDock_ = new ChangesDock(session_, *page_, *this);
    }
    return *changesDock_;
}

void frmWaybillMain::SetEnabling() {
    CommandEnabling enabling = session_.Enabling();
    // Text being typed is committed by Undo and so can be undone.
    enabling.undo = enabling.undo || page_->HasPendingEdit();
    enabling.copy = page_->CanCopy();
    enabling.cut = enabling.copy && enabling.editing;
    enabling.paste = page_->CanPaste() && enabling.editing;
    for (const auto& [action, rule] : ruled_) {
        action->setEnabled(enabling.*rule);
    }
}

void frmWaybillMain::ShowRecentFiles() {
    const RecentFiles& recent = session_.Files().RecentFileList();
    for (std::size_t i = 0; i < recent.size(); ++i) {
        QAction* entry = Action(QStringLiteral("mnuFileMRU%1").arg(i));
        entry->setText(FromUtf8(recent[i]).replace(QLatin1Char('&'), QStringLiteral("&&")));
        entry->setVisible(!recent[i].empty());
    }
    Action(QStringLiteral("mnuFileBar5"))->setVisible(AnyRecentFile(recent));
}

void frmWaybillMain::closeEvent(QCloseEvent* event) {
    if (!session_.Files().MayDropDocument()) {
        event->ignore();
        return;
    }
    autosaveTimer_->stop();
    session_.Files().Close();
    event->accept();
}

} // namespace waybill

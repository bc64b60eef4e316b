#pragma once

#include "app/gui/ModalRunner.h"
#include "app/PageOrder.h"
#include "app/RecentFiles.h"
#include "catalog/CellLists.h"
#include "catalog/PageChanges.h"
#include "catalog/SheetParts.h"
#include "model/Document.h"
#include "page/PageView.h"
#include "platform/UserMessage.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <QMainWindow>
#include <QString>
#include <vector>

class QAction;
class QMenu;
class QTimer;
class QToolBar;

namespace waybill {

class DialogService;
class FinishCatalogue;
class PageWidget;
class cmbFinish;
class cmbGridCell;
struct DetailVariant;
class dlgExportPunches;
struct ExportFailure;
struct PrintContext;
struct WaybillMain;

// The main window: the open document shown a page at a time, the default document with its
// page-kind positions, the File, Edit, Pages, Options and Help commands and the toolbar.
//
// The document (the Book, its path and its edit history) is the run's Document; the window
// shows it and changes it only through recorded steps. The page on screen is a working copy
// (the PageWidget's PageView) that is composed back into the current page at every step, so
// document and screen agree whenever no cell box or title-block box is being typed in.
//
// A command that changes the document records one undoable step with one of:
//   RecordPageEdit(name, change)     `change` edits the shown page's view (cells, title
//                                    block, attribute value lines); the view is composed into
//                                    the page and the screen refreshed in place.
//   RecordDocumentEdit(name, change) `change` edits the Book (pages added, removed, replaced
//                                    or moved, header); the page the cursor names afterwards
//                                    is shown and Sort's enabling refreshed.
// Both first store what is being typed (as its own step), so a command never works on a
// stale page. `name` is the step's name in the Edit menu ("Undo <name>").
class frmWaybillMain : public QMainWindow {
    Q_OBJECT

  public:
    frmWaybillMain(WaybillMain& module, DialogService& dialogs, ModalRunner runModal,
                   QWidget* parent = nullptr);
    ~frmWaybillMain() override;

    // The window's load: size, recent files, a new document, the default document, then
    // the document named on the command line (empty: none).
    void Load(const QString& commandLine);
    bool IsLoaded() const { return loaded_; }

    // File commands.
    void MakeNewWaybill();
    // Reads the file into the open document (made new by the caller) and shows it; then
    // offers a recovery copy newer than the file. False when the file could not be read.
    bool OpenWaybillFile(const QString& path);
    bool ChangedOK();
    bool SaveAsFile();
    void AddToMRU(const QString& path);
    // The caption from the document's path.
    void SetWindowCaption();

    // The one way commands change the document (see the class comment).
    void RecordPageEdit(const QString& name, const std::function<void(PageView&)>& change);
    void RecordDocumentEdit(const QString& name, const std::function<void(Book&)>& change);
    void Undo();
    void Redo();

    // Writes the recovery copy of a changed document, or removes the copy of an unchanged
    // one; the autosave timer calls it.
    void Autosave();
    // Where the recovery copy of the open document is kept.
    QString RecoveryPath() const;

    // Page display: shows page `pageNumber` (below 1: the current page).
    void ShowPage(int pageNumber);
    // Stores everything typed on the shown page into it.
    void ChkPgContents();

    // Page order and options.
    void MakeDefWaybill();
    void CheckSort();
    void SortWaybills();
    void AddRedLine(bool atEnd);
    void TogNumberPages();
    // Menus and toolbar buttons share their actions, so this enables both.
    void SetCtrlMenus();

    const Document& Doc() const { return document_; }
    const Book& Waybill() const { return document_.GetBook(); }
    const Book& DefWaybill() const { return defWaybill_; }
    bool FileChanged() const { return document_.FileChanged(); }
    QString DocPath() const;
    QString WorkFolder() const;
    const RecentFiles& RecentFileList() const { return recentFiles_; }
    PageWidget& Page() { return *page_; }
    // The finish list over the Finish box and the grid-cell drop-down, while the user picks.
    cmbFinish& FinishList() { return *finishList_; }
    cmbGridCell& CellList() { return *cellList_; }
    // The shown page's finish catalogue; null while no page is shown.
    const FinishCatalogue* PageFinishes() const { return pageFinishes_; }
    QToolBar& Toolbar() { return *toolbar_; }
    // The action of a menu entry, by its name ("mnuFileSave").
    QAction* Action(const QString& name) const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Actions;

    void CreateActions();
    void CreateMenus();
    void CreateToolbar();
    int ChromeHeight() const;
    void StartSize();
    void KeepSheetProportions();
    void ShowRecentFiles();
    void SetEditMenus();
    void ShowMessages(const std::optional<UserMessage>& message);
    // Writes the document; a failure is shown and answers false. Saving over the document's
    // own file asks first when someone else saved it since.
    bool SaveFWB(const QString& path);
    // Records the shown page's view as it stands as one step.
    void RecordView(const QString& name);
    void RecordStep(const QString& name, const std::function<void(Book&)>& change);
    // The whole document on screen again after the history moved: header, options, page.
    void ShowDocument();
    void SetHistoryMenus();
    // The document is dropped (after ChangedOK): its recovery copy goes, a new one starts.
    void ReplaceDocument();
    void RemoveRecovery();
    // Offers a recovery copy of the open document newer than its file.
    void OfferRecovery();
    void SetNumberingChecks();

    // Finishes and part numbers on the shown page (CatalogCommands.cpp).
    void ConnectCatalog();
    // Binds the shown page's finish catalogue from its CAD base and Finish field.
    void BindPageFinishes();
    void ShowFinishList();
    void FinishPicked(const std::string& longName);
    void HandOverCell(CellHandOver kind, int row, int column);
    void CellListPicked(CellListKind kind, int row, int column, const std::string& item);
    void EditClipRow(int row, int column);
    void SelectPunchPattern(int row, int column);
    void RecalculateAfterCommit(int row, int column);
    // Records `changes` to the shown page as one step; nothing when they change nothing.
    void RecordPageChanges(const QString& name, const PageChanges& changes);
    void ReturnToGrid();
    // A line-item cell's rectangle in `widget`'s coordinates (null: global ones).
    QRect CellRectIn(const QWidget* widget, int row, int column) const;
    // The sheet block table, read from the reference database at each finish pick.
    std::optional<SheetPartTable> SheetParts() const;

    // Commands.
    void FileNew();
    void FileOpen();
    void FileSave();
    void FileSaveAs();
    void FileRecent(int index);
    void FileConfigure();
    void FileExit();
    void FirstPage();
    void PreviousPage();
    void NextPage();
    void LastPage();
    void GotoPage();
    void CopyPage();
    void CutPage();
    void PastePage();
    void AddPage();
    void DeletePage();
    void RedLine();
    // The member editor on a Zee or Cee page, the attribute editor on any other.
    void EditAttributes();
    void ToggleNumbering(const QString& name);
    void About();
    void HelpContents();

    // The AutoPage menu, one entry per catalogue entry: its dialog's page(s) are added as the
    // entry's step.
    void CreateDetailMenu();
    void AddDetail(const DetailVariant& variant);
    // Exports (ExportCommands.cpp). Both read the document and leave it unchanged.
    void CreateExportActions(QMenu& file);
    void SetExportMenus(bool enabled);
    void FileExportTable();
    void FileExportPunches();
    // False (after telling the user and focusing the field) when there is no job number.
    bool CheckJobNumber();
    // Shows the page of the failure, its message, then the field or cell it names.
    void ShowExportFailure(const ExportFailure& failure);
    // Printing (PrintWiring.cpp).
    struct Printing;
    void CreatePrintActions();
    void RunPrintCommand(const std::function<void(PrintContext&)>& command);

    WaybillMain& module_;
    DialogService& dialogs_;
    ModalRunner runModal_;

    Document& document_;
    Book defWaybill_;
    LocationIndex defWblIdx_;
    RecentFiles recentFiles_;
    QTimer* autosaveTimer_ = nullptr;
    bool loaded_ = false;
    bool resizing_ = false;

    PageWidget* page_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    std::unique_ptr<Actions> actions_;

    cmbFinish* finishList_ = nullptr;
    cmbGridCell* cellList_ = nullptr;
    const FinishCatalogue* pageFinishes_ = nullptr;
    QAction* mnuFileExportTable_ = nullptr;
    QAction* mnuFileExportPunches_ = nullptr;
    // Kept for the run, so the last choice is offered again.
    dlgExportPunches* exportPunches_ = nullptr;
    std::unique_ptr<Printing> printing_; // made by the first print command
};

} // namespace waybill

#pragma once

#include "app/gui/ModalRunner.h"
#include "app/PageOrder.h"
#include "app/RecentFiles.h"
#include "model/Book.h"
#include "platform/UserMessage.h"

#include <array>
#include <memory>
#include <optional>
#include <QMainWindow>
#include <QString>

class QAction;
class QToolBar;

namespace waybill {

class DialogService;
class PageWidget;
struct WaybillMain;

// The main window: the open document (`Waybill`) shown a page at a time, the default document
// with its page-kind positions, the File, Edit, Pages, Options and Help commands and the
// toolbar.
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
    void OpenWaybillFile(const QString& path);
    bool ChangedOK();
    bool SaveAsFile();
    void AddToMRU(const QString& path);
    void SetWindowCaption(const QString& path);

    // Page display: shows page `pageNumber` (below 1: the current page).
    void ShowPage(int pageNumber);
    // Stores everything typed on the shown page into it.
    void ChkPgContents();

    // Page order and options.
    void MakeDefWaybill();
    void SetLocIdx();
    void CheckSort();
    void SortWaybills();
    void AddRedLine();
    void TogNumberPages();
    // Menus and toolbar buttons share their actions, so this enables both.
    void SetCtrlMenus();

    const Book& Waybill() const { return waybill_; }
    const Book& DefWaybill() const { return defWaybill_; }
    bool FileChanged() const { return fileChanged_; }
    QString DocPath() const { return docPath_; }
    QString WorkFolder() const;
    const RecentFiles& RecentFileList() const { return recentFiles_; }
    PageWidget& Page() { return *page_; }
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
    void SetFileChanged() { fileChanged_ = true; }
    void ShowMessages(const std::optional<UserMessage>& message);
    // Writes the document; a failure is shown and answers false.
    bool SaveFWB(const QString& path);

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
    void ToggleNumbering();
    void About();
    void HelpContents();

    WaybillMain& module_;
    DialogService& dialogs_;
    ModalRunner runModal_;

    Book waybill_;
    Book defWaybill_;
    LocationIndex defWblIdx_;
    bool fileChanged_ = false;
    QString docPath_;
    // The document was imported from the legacy format and has not been saved since: its
    // DocPath names a file it did not come from, so Save asks where to write.
    bool imported_ = false;
    RecentFiles recentFiles_;
    bool loaded_ = false;
    bool resizing_ = false;

    PageWidget* page_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    std::unique_ptr<Actions> actions_;
};

} // namespace waybill

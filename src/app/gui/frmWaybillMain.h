#pragma once

#include "app/CommandEnabling.h"
#include "app/EditSession.h"
#include "platform/gui/ModalRunner.h"

#include <functional>
#include <memory>
#include <optional>
#include <QMainWindow>
#include <QString>
#include <vector>

class QAction;
class QTimer;
class QToolBar;

namespace waybill {

class CatalogCommands;
class ChangesDock;
class DialogService;
class ExportCommands;
class FindBar;
class PageCommands;
class PageWidget;
class PrintWiring;
class SheetProportions;
struct DetailVariant;
struct WaybillMain;

// The main window: the open document shown a page at a time, the File, Edit, Pages,
// AutoPage, Options and Help menus and the toolbar.
//
// The window is a shell over the edit session, which holds the document, the default
// document, the shown page's working copy and every rule of editing, and over the session's
// document files (Session().Files()), which the File menu runs. The menus and the toolbar come
// from one table of actions (MainWindowActions.cpp); the commands with dialogs live in small
// groups (WindowCommands.h) that hand what the user chose to the session; and the window
// follows the session's one notice in Refresh.
class frmWaybillMain : public QMainWindow {
    Q_OBJECT

  public:
    frmWaybillMain(WaybillMain& module, DialogService& dialogs, ModalRunner runModal,
                   QWidget* parent = nullptr);
    ~frmWaybillMain() override;

    // The window's size, then the session's start with the document named on the command
    // line (empty: none) and the autosave timer.
    void Load(const QString& commandLine);

    EditSession& Session() { return session_; }
    PageWidget& Page() { return *page_; }
    CatalogCommands& Catalog() { return *catalog_; }
    QToolBar& Toolbar() { return *toolbar_; }
    // Built when first wanted: neither is needed to show the window.
    FindBar& Finder();
    ChangesDock& Changes();
    // The action of a menu entry, by its name ("mnuFileSave").
    QAction* Action(const QString& name) const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    struct ActionRow;
    // The actions, menus and toolbar from their table (MainWindowActions.cpp).
    void CreateActions();
    void AddActions(const std::vector<ActionRow>& rows);
    // Follows the session's notice: the page, the menus' texts and checks, the caption.
    void Refresh(SessionChanges changes);
    // Menus and toolbar buttons share their actions, so this enables both.
    void SetEnabling();
    void ShowRecentFiles();

    // The AutoPage menu, one entry per catalogue entry: its dialog's page(s) are added as the
    // entry's step.
    void CreateDetailMenu();
    void AddDetail(const DetailVariant& variant);

    WaybillMain& module_;
    DialogService& dialogs_;
    ModalRunner runModal_;
    std::unique_ptr<SessionClock> clock_;
    EditSession session_;
    PageWidget* page_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    FindBar* findBar_ = nullptr;
    ChangesDock* changesDock_ = nullptr;
    std::unique_ptr<PageCommands> pages_;
    std::unique_ptr<CatalogCommands> catalog_;
    std::unique_ptr<ExportCommands> exports_;
    std::unique_ptr<PrintWiring> printing_;
    // The actions enabled by a rule, with their rule.
    std::vector<std::pair<QAction*, bool CommandEnabling::*>> ruled_;
    QTimer* autosaveTimer_ = nullptr;
    SheetProportions* proportions_ = nullptr;
};

} // namespace waybill

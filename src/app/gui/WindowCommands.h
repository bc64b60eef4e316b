#pragma once

#include "platform/gui/ModalRunner.h"

#include <functional>
#include <memory>
#include <QString>

class QMainWindow;
class QPrinter;

namespace waybill {

class DialogService;
class EditSession;
class PageWidget;
class cmbFinish;
class cmbGridCell;
class dlgExportPunches;
struct ExportFailure;
struct PrintContext;
struct WaybillMain;
enum class CellHandOver;
enum class CellListKind;
enum class FileDialogKind;

struct WindowParts;

// Where a file dialog of `kind` starts, for the document open now.
QString DialogStartFolder(const WindowParts& w, FileDialogKind kind);

// What the window's command groups work with. Each group runs its dialogs and hands what the
// user chose to the edit session, which changes the document.
struct WindowParts {
    WaybillMain& module;
    EditSession& session;
    DialogService& dialogs;
    ModalRunner runModal;
    PageWidget& page;
    QMainWindow& window;
};

// The filter of the dialogs that choose a document: documents and legacy documents.
QString DocumentFileFilter();

// The File menu: new, open, save, save as, the recent files and configure.
class FileCommands {
  public:
    explicit FileCommands(WindowParts parts) : w_(std::move(parts)) {}

    void New();
    void Open();
    void Save();
    bool SaveAs();
    void Recent(int index);
    void Configure();
    // True when the open document may be dropped: unchanged, without pages, saved after the
    // question, or given up.
    bool ChangedOK();

  private:
    WindowParts w_;
};

// The dialogs of the Pages and Options menus: go to, add, red-line pages and edit attributes.
class PageCommands {
  public:
    PageCommands(WindowParts parts, FileCommands& files) : w_(std::move(parts)), files_(files) {}

    void GotoPage();
    void AddPage();
    void RedLine();
    // The member editor on a Zee or Cee page, the attribute editor on any other.
    void EditAttributes();

  private:
    WindowParts w_;
    FileCommands& files_;
};

// Finishes and part numbers on the shown page: the finish list over the Finish box, the lists
// and dialogs line-item cells hand over to.
class CatalogCommands {
  public:
    explicit CatalogCommands(WindowParts parts);

    cmbFinish& FinishList() { return *finishList_; }
    cmbGridCell& CellList() { return *cellList_; }

  private:
    void ShowFinishList();
    void HandOverCell(CellHandOver kind, int row, int column);
    void EditClipRow(int row, int column);
    void SelectPunchPattern(int row, int column);
    void ReturnToGrid();

    WindowParts w_;
    cmbFinish* finishList_;
    cmbGridCell* cellList_;
};

// The File menu's exports: the line-item table and the punch patterns. Both read the whole
// document and change nothing in it; a stop shows the page and the field or cell at fault.
class ExportCommands {
  public:
    ExportCommands(WindowParts parts, FileCommands& files) : w_(std::move(parts)), files_(files) {}

    void ExportTable();
    void ExportPunches();

  private:
    // False (after telling the user and focusing the field) when there is no job number or
    // the user kept a changed document unsaved.
    bool ReadyToExport();
    void ShowFailure(const ExportFailure& failure);

    WindowParts w_;
    FileCommands& files_;
    dlgExportPunches* exportPunches_ = nullptr; // kept, so the last choice is offered again
};

// File > Compare With... and Stop Comparing: the base is chosen here, compared by the session.
class CompareCommands {
  public:
    explicit CompareCommands(WindowParts parts) : w_(std::move(parts)) {}

    void CompareWith();
    void Stop();

  private:
    WindowParts w_;
};

// The print commands: Print, Printer Setup, Print Preview and Export PDF.
class PrintWiring {
  public:
    explicit PrintWiring(WindowParts parts);
    ~PrintWiring();

    // Runs `command` on the document as it is now, with the printer kept for the run.
    void Run(const std::function<void(PrintContext&)>& command);
    // Export PDF; the status bar says what was written.
    void ExportPdf();

  private:
    WindowParts w_;
    std::unique_ptr<QPrinter> printer_; // made by the first print command
};

} // namespace waybill

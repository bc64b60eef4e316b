#pragma once

#include "platform/gui/ModalRunner.h"

#include <functional>
#include <memory>

class QMainWindow;
class QPrinter;

namespace waybill {

class DialogService;
class EditSession;
class PageWidget;
class cmbFinish;
class cmbGridCell;
class dlgExportPunches;
struct PrintContext;
struct WaybillMain;
enum class CellHandOver;
enum class CellListKind;

// What the window's command groups work with. Each group runs its dialogs and hands what the
// user chose to the edit session, which changes the document. Each group is implemented in the
// .cpp file of its name.
struct WindowParts {
    WaybillMain& module;
    EditSession& session;
    DialogService& dialogs;
    ModalRunner runModal;
    PageWidget& page;
    QMainWindow& window;
};

// The dialogs of the Pages and Options menus: go to, add, red-line pages and edit attributes.
class PageCommands {
  public:
    explicit PageCommands(WindowParts parts) : w_(std::move(parts)) {}

    void GotoPage();
    void AddPage();
    void RedLine();
    // The member editor on a Zee or Cee page, the attribute editor on any other.
    void EditAttributes();

  private:
    WindowParts w_;
};

// Finishes and part numbers on the shown page: the finish list over the Finish box, the lists
// and dialogs line-item cells hand over to.
class CatalogCommands {
  public:
    explicit CatalogCommands(WindowParts parts);

    // Built when first dropped down: neither shows in the first window.
    cmbFinish& FinishList();
    cmbGridCell& CellList();

  private:
    void ShowFinishList();
    void HandOverCell(CellHandOver kind, int row, int column);
    void EditClipRow(int row, int column);
    void SelectPunchPattern(int row, int column);
    void ReturnToGrid();

    WindowParts w_;
    cmbFinish* finishList_ = nullptr;
    cmbGridCell* cellList_ = nullptr;
};

// Export Punches: the session checks and exports, the window asks what to export.
class ExportCommands {
  public:
    explicit ExportCommands(WindowParts parts) : w_(std::move(parts)) {}

    void ExportPunches();

  private:
    WindowParts w_;
    dlgExportPunches* exportPunches_ = nullptr; // kept, so the last choice is offered again
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

#pragma once

#include "page/AttribDefs.h"
#include "page/CellRules.h"
#include "page/ChangeMarks.h"
#include "page/PageView.h"
#include "page/Typing.h"
#include "refdb/ReferenceDatabase.h"

#include <memory>
#include <QWidget>

class QLineEdit;

namespace waybill {

class BlockLibrary;
class CellGrid;
class DialogService;

// CellHandOver (page/CellRules.h): what a cell edit on the line-item grid hands over to a
// list or dialog of the part-number, punch and member rules.

// The page on screen: the page area (blocks with their attribute texts, the line-item grid)
// over the title block (eleven labelled boxes and the revision grid), laid out like the
// printed sheet (10.25 x 7.75 sheet inches) in whatever size the widget has.
//
// It shows a PageView it does not own (the edit session's working copy of the current page)
// and never changes it: what the user types waits in the cell box or a title-block box, and a
// commit, a paste, a cut or a delete goes to the TypingTarget as one TypedEdit. Typing still
// waiting is handed over when the session asks for it (PendingTyping).
//
// Implemented in PageWidget.cpp (display) and PageCellEditing.cpp (editing), over the state
// in PageWidgetImpl.h.
class PageWidget : public QWidget, public PendingTyping {
    Q_OBJECT

  public:
    PageWidget(DialogService& dialogs, QWidget* parent = nullptr);
    ~PageWidget() override;

    // The reference database (grids are laid out again for each size), the attribute
    // definitions and the block drawings of the run, and where typing goes. Must be set
    // before ShowView.
    void SetEnvironment(const ReferenceDatabase* database, BlockAttribDefs* attribDefs,
                        BlockLibrary* blocks, TypingTarget* typing);
    // The page area grids are laid out in at the widget's present size.
    const PageAreaMetrics& Area() const;
    // Lays the sheet out for the size the widget has been given while hidden, so its first
    // page is drawn for that size rather than once more when it is first shown.
    void FitToSize();

    // Shows a newly rendered page: `view` must stay alive while it is shown. An open cell box
    // is dropped, the current cells go to the top left and the keys to the line items.
    void ShowView(const PageView& view);
    // A document without pages: nothing shown.
    void ClearPage();
    // Shows the view again after it changed in place; the current cell stays where it is.
    // `drawing`: attribute value lines changed too, so their texts are placed again.
    void RefreshFromView(bool drawing);
    // The view shown (an empty one while none is).
    const PageView& View() const;

    // The shown page's cells, title-block fields and attribute values changed since the
    // comparison base, shaded until the next call (an empty set: none).
    void SetChangeMarks(PageChangeMarks marks);
    const PageChangeMarks& ChangeMarks() const;

    // PendingTyping: the open cell box or the focused title-block box's changed text.
    std::optional<TypedEdit> TakeTyping() override;
    void Retype(CellPosition cell) override;
    void FocusTitleField(TitleBlockField field) override;
    // A cell box is open, or the focused title-block box holds text not yet committed.
    bool HasPendingEdit() const;

    // A read-only page: no cell box opens, the title-block boxes and the finish list take no
    // input, and Cut, Delete and Paste change nothing; copying still works.
    void SetReadOnly(bool readOnly);

    // Title-block fields 9 (sheet number) and 10 (page total) visibility.
    void SetPageNumbering(bool numberPages, bool showTotal);

    // The Edit menu, acting on the focused grid or text box.
    bool CanCopy() const; // also Cut and Delete
    bool CanPaste() const;
    void Copy();
    void Cut();
    void Paste();
    void Delete();

    // A request to edit a line-item cell (row 1 or more), decided by the page-kind rules:
    // opens the cell box, refuses with a message, or hands the cell over. `startText` is
    // empty or the one character typed (Windows-1252).
    void BeginCellEdit(int row, int column, const std::string& startText);

    // Where a list dropped down over a line-item cell or the Finish box goes: their rectangles
    // in this widget's coordinates, and a cell's on the screen (for a dialog placed below it).
    QRect CellRect(int row, int column) const;
    QRect ScreenCellRect(int row, int column) const;
    QRect FinishBoxRect() const;

    // The controls, for the rules and lists that work on them and for tests.
    CellGrid* LineItemGrid() const;
    CellGrid* RevisionGrid() const;
    QLineEdit* TitleBlockBox(int index) const;
    QLineEdit* CellBoxEditor() const;

  signals:
    // A note for the status bar.
    void StatusMessage(const QString& text);
    // The focus or selection changed: the Edit menu's enabling may have changed.
    void EditStateChanged();
    // A click on the finish box (title-block field 0).
    void FinishBoxClicked();
    // A cell edit handed over to a list or dialog of another rule set.
    void CellHandedOver(waybill::CellHandOver kind, int row, int column);
    // A double-click on the block picture.
    void BlockPictureDoubleClicked();
    // The widget was resized: Area() changed.
    void AreaChanged();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace waybill

#pragma once

#include "page/AttribDefs.h"
#include "page/CellRules.h"
#include "page/PageView.h"
#include "refdb/ReferenceDatabase.h"

#include <filesystem>
#include <memory>
#include <QWidget>

class QLineEdit;

namespace waybill {

class Book;
class BlockLibrary;
class CellGrid;
class DialogService;

// CellHandOver (page/CellRules.h): what a cell edit on the line-item grid hands over to a
// list or dialog of the part-number, punch and member rules (wired when those land).

// The page on screen: the page area (blocks with their attribute texts, the line-item grid)
// over the title block (eleven labelled boxes and the revision grid), laid out like the
// printed sheet (10.25 x 7.75 sheet inches) in whatever size the widget has. It shows and
// edits a PageView, the working copy of the current page.
class PageWidget : public QWidget {
    Q_OBJECT

  public:
    PageWidget(DialogService& dialogs, QWidget* parent = nullptr);
    ~PageWidget() override;

    // The reference database and attribute definitions of the run, and the folder with the
    // block drawings ("blocks" in the program folder). Must be set before ShowPage.
    void SetEnvironment(const ReferenceDatabase* database, BlockAttribDefs* attribDefs,
                        std::filesystem::path blocksFolder);

    // The block drawings read so far, for other views of the same blocks (detail previews).
    BlockLibrary& Blocks();

    // Renders page `pageNumber` of the book (RenderPageData) and shows it; shows the messages
    // the render produced. The book's cursor must already be on that page.
    void ShowPage(const Book& book, int pageNumber);
    // Hides the page area and the title block (a document without pages), or only the page
    // area (a page number past the end).
    void HidePage(bool hideTitleBlock);
    // A document without pages: an empty view, nothing shown.
    void ClearPage();

    // The working copy. The document-level title-block fields (1-4, 6, 7) live here too.
    PageView& View();
    const PageView& View() const;
    // The document-level title-block fields from the document (SetTblkInfo).
    void SetTblkInfo(const Book& book);

    // Commits an open cell box or title-block edit into the view, as when it loses the
    // focus, so ComposePageData sees everything typed.
    void CommitEdits();
    // A cell box is open, or the focused title-block box holds text not yet committed.
    bool HasPendingEdit() const;

    // Title-block fields 9 (sheet number) and 10 (page total) visibility.
    void SetPageNumbering(bool numberPages, bool showTotal);

    // The Edit menu, acting on the focused grid or text box.
    bool CanCopy() const; // also Cut and Delete
    bool CanPaste() const;
    void Copy();
    void Cut();
    void Paste();
    void Delete();

    // The page's kind: its CAD number in lower case up to the first "-".
    std::string CadBase() const;

    // A request to edit a line-item cell (row 1 or more), decided by the page-kind rules:
    // opens the cell box, refuses with a message, or hands the cell over. `startText` is
    // empty or the one character typed (Windows-1252).
    void BeginCellEdit(int row, int column, const std::string& startText);
    // Shows the working copy again after it was changed from outside (a rule rewrote cells,
    // title-block fields or attribute value lines); the current cell stays where it is.
    void RefreshFromView();

    // The controls, for the rules and lists that work on them and for tests.
    CellGrid* LineItemGrid() const;
    CellGrid* RevisionGrid() const;
    QLineEdit* TitleBlockBox(int index) const;
    QLineEdit* CellBoxEditor() const;

  signals:
    // The user changed cells or a title-block field by one action, named `step` ("Cell
    // Edit", "Title Block Edit", "Paste", "Cut", "Delete"): the window records the view.
    void Changed(const QString& step);
    // A note for the status bar.
    void StatusMessage(const QString& text);
    // The focus or selection changed: the Edit menu's enabling may have changed.
    void EditStateChanged();
    // A click on the finish box (title-block field 0).
    void FinishBoxClicked();
    // A cell edit handed over to a list or dialog of another rule set.
    void CellHandedOver(waybill::CellHandOver kind, int row, int column);
    // A line-item cell got a new text from the cell box, a paste or a delete (the
    // after-commit recalculations hang here).
    void LineItemCellChanged(int row, int column);
    // A double-click on the block picture.
    void BlockPictureDoubleClicked();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace waybill

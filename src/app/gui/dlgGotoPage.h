#pragma once

#include <optional>
#include <QDialog>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace waybill {

class Book;
class DialogService;

// Go to Page: the document's pages with their numbers, CAD numbers and descriptions, and the
// number to go to.
class dlgGotoPage : public QDialog {
    Q_OBJECT

  public:
    dlgGotoPage(DialogService& dialogs, QWidget* parent = nullptr);

    // One row per page; the current page's row selected and its number in the text box.
    void FillList(const Book& book);
    // The page chosen by OK or a double-click.
    std::optional<int> ChosenPage() const { return chosen_; }

    QTreeWidget* lvPages;
    QLineEdit* txtPageNumber;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SelectRow(int pageNumber);
    void OnTextEdited(const QString& text);
    void OnOk();

    DialogService& dialogs_;
    std::optional<int> chosen_;
};

} // namespace waybill

#pragma once

#include "model/Book.h"

#include <QDialog>
#include <vector>

class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace waybill {

// Add Page: the pages of the default document to choose from, and where they go.
class dlgAddPage : public QDialog {
    Q_OBJECT

  public:
    explicit dlgAddPage(QWidget* parent = nullptr);

    // One row per page of the default document; the first row selected, "At Default
    // Location" chosen.
    void FillList(const Book& defWaybill);
    // The chosen rows as 1-based page numbers of the default document, in list order.
    std::vector<int> SelectedPages() const;
    PageLocation Location() const;

    QTreeWidget* lvAddPages;
    QRadioButton* optAtDefault;
    QRadioButton* optAfterLast;
    QRadioButton* OptBeforePage;
    QRadioButton* optAfterPage;
    QPushButton* OKButton;
    QPushButton* CancelButton;
};

} // namespace waybill

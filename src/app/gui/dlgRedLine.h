#pragma once

#include <QDialog>

class QPushButton;

namespace waybill {

// Red Line Insertion: start a new document of red-line pages, or add them at the end of the
// open one. The dialog closes with one of its codes.
class dlgRedLine : public QDialog {
    Q_OBJECT

  public:
    enum Choice { Cancelled = 0, CreateNew = 2, InsertAtEnd = 3 };

    explicit dlgRedLine(QWidget* parent = nullptr);

    QPushButton* cmdCreateRedLine;
    QPushButton* cmdInsertRedLine;
    QPushButton* cmdCancel;
};

} // namespace waybill

#pragma once

#include "page/AttribEditor.h"

#include <optional>
#include <QDialog>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace waybill {

// "Edit Attributes": the attribute blocks of the shown page on the left, the chosen block's
// attributes with their values on the right, each value edited in place by a double-click.
class dlgEditAttrib : public QDialog {
    Q_OBJECT

  public:
    explicit dlgEditAttrib(QWidget* parent = nullptr);

    // Fills the block list from the shown page's attribute values and shows the first block.
    // `defs` must outlive the dialog's use.
    void Load(const AttribValueList& values, BlockAttribDefs& defs);
    // The value lines OK changed; empty after Cancel or when nothing was altered.
    const PageChanges& Changes() const { return changes_; }

    QLabel* lblAttriBlks;
    QListWidget* lstAttriBlks;
    QLabel* lblAttribs;
    QTreeWidget* lvwAttribs; // column 0 "Values", column 1 "Attribute" (shown first)
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

  private:
    void ShowRows();
    void ValueEdited(QTreeWidgetItem* item, int column);
    void Ok();

    std::optional<AttribEditState> state_;
    PageChanges changes_;
    bool filling_ = false;
};

} // namespace waybill

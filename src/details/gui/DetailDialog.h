#pragma once

#include "details/DetailCatalogue.h"

#include <functional>
#include <map>
#include <optional>
#include <QDialog>
#include <string>
#include <string_view>
#include <vector>

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLineEdit;

namespace waybill {

class BlockAttribDefs;
class BlockLibrary;
class DetailPreview;
class DialogService;

// What every generator dialog needs from the main window. The sources of the preview may be
// null; `runModal` shows the dialog modally and answers its result (QDialog::exec in the
// program, a driver in tests).
struct DetailDialogContext {
    DialogService& dialogs;
    BlockLibrary* blocks = nullptr;
    BlockAttribDefs* attribDefs = nullptr;
    std::function<int(QDialog&)> runModal;
    QWidget* parent = nullptr;
};

// The dialog of one AutoPage entry, laid out from its catalogue form: the boxes with their
// labels, frames, check boxes and option buttons, a live preview of the detail and OK / Cancel.
// OK makes the detail; an input error is reported and the dialog stays open with its field
// selected; the pages are handed out only when the dialog is accepted.
class DetailDialog : public QDialog {
    Q_OBJECT

  public:
    DetailDialog(const DetailDialogContext& context, const DetailVariant& variant);

    // Shows the dialog; the new page(s) when OK made them, nothing on Cancel.
    std::optional<std::vector<Page>> Run();
    // What is typed (Windows-1252) and picked now.
    DetailInputs Inputs() const;

  private:
    void AddInputs(QBoxLayout* inputs);
    void AddBox(QGridLayout* grid, const DetailField& field);
    void AddOption(QBoxLayout* into, const DetailField& field);
    void Refresh();
    void OnOk();

    const DetailDialogContext& context_;
    const DetailVariant& variant_;
    std::map<std::string_view, QLineEdit*> boxes_;
    std::map<std::string_view, QCheckBox*> checks_;
    std::map<std::string_view, QButtonGroup*> options_;
    DetailPreview* preview_ = nullptr;
    std::vector<Page> pages_;
};

// The dialog of `variant`, shown modally: the page(s) to add, or nothing (Cancel).
std::optional<std::vector<Page>> StartDetail(const DetailVariant& variant,
                                             const DetailDialogContext& context);

} // namespace waybill

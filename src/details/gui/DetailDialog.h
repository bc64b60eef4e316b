#pragma once

#include "details/DetailPage.h"

#include <functional>
#include <map>
#include <optional>
#include <QDialog>
#include <string>
#include <vector>

class QBoxLayout;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QRadioButton;

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

// A generator dialog: text boxes named "txt" + field name, option buttons, a live preview of
// the detail and OK / Cancel. OK generates; an input error is reported and the dialog stays
// open with its field selected; the pages are handed out only when the dialog is accepted.
class DetailDialog : public QDialog {
    Q_OBJECT

  public:
    DetailDialog(const DetailDialogContext& context, const QString& caption);

    // Shows the dialog; the new page(s) when OK made them, nothing on Cancel.
    std::optional<std::vector<Page>> Run();

  protected:
    // The detail from the dialog's current inputs.
    virtual DetailResult Generate() const = 0;

    QGroupBox* Frame(const QString& title, QBoxLayout* into);
    QLineEdit* AddText(QGridLayout* grid, const char* field, const QString& label);
    QRadioButton* AddOption(QBoxLayout* into, const char* name, const QString& text);
    // The typed text of a field (Windows-1252).
    std::string Typed(const char* field) const;
    // Puts the inputs beside the preview and the buttons below.
    void Finish(QBoxLayout* inputs);
    // Recomputes the preview; the subclasses call it when an option changes.
    void Refresh();

  private:
    void OnOk();

    const DetailDialogContext& context_;
    std::map<std::string, QLineEdit*> fields_;
    DetailPreview* preview_ = nullptr;
    std::vector<Page> pages_;
};

} // namespace waybill

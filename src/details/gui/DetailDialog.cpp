#include "details/gui/DetailDialog.h"

#include "details/gui/DetailPreview.h"
#include "platform/gui/DialogService.h"
#include "platform/gui/QtText.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace waybill {

DetailDialog::DetailDialog(const DetailDialogContext& context, const QString& caption)
    : QDialog(context.parent), context_(context) {
    setWindowTitle(caption);
    setModal(true);
}

QGroupBox* DetailDialog::Frame(const QString& title, QBoxLayout* into) {
    auto* frame = new QGroupBox(title, this);
    into->addWidget(frame);
    return frame;
}

QLineEdit* DetailDialog::AddText(QGridLayout* grid, const char* field, const QString& label) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("txt") + QString::fromLatin1(field));
    auto* caption = new QLabel(label, this);
    caption->setObjectName(QStringLiteral("lbl") + QString::fromLatin1(field));
    caption->setBuddy(box);
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    fields_[field] = box;
    connect(box, &QLineEdit::textChanged, this, &DetailDialog::Refresh);
    return box;
}

QRadioButton* DetailDialog::AddOption(QBoxLayout* into, const char* name, const QString& text) {
    auto* option = new QRadioButton(text, this);
    option->setObjectName(QString::fromLatin1(name));
    into->addWidget(option);
    connect(option, &QRadioButton::toggled, this, &DetailDialog::Refresh);
    return option;
}

std::string DetailDialog::Typed(const char* field) const {
    const auto it = fields_.find(field);
    return it == fields_.end() ? std::string() : ToCp1252(it->second->text());
}

void DetailDialog::Finish(QBoxLayout* inputs) {
    inputs->addStretch();
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(ok, &QPushButton::clicked, this, &DetailDialog::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    inputs->addLayout(buttons);

    preview_ = new DetailPreview(context_.blocks, context_.attribDefs, this);
    preview_->setObjectName(QStringLiteral("picPreview"));
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(preview_, 1);
}

void DetailDialog::Refresh() {
    if (!preview_) {
        return; // still being built
    }
    const DetailResult result = Generate();
    if (const auto* error = std::get_if<DetailInputError>(&result)) {
        preview_->ShowProblem(MessageText(error->message));
    } else {
        preview_->ShowPage(std::get<DetailPages>(result).pages.front());
    }
}

void DetailDialog::OnOk() {
    const DetailResult result = Generate();
    auto backTo = [this](const std::string& field) {
        const auto it = fields_.find(field);
        if (it != fields_.end()) {
            it->second->setFocus();
            it->second->setSelection(0, 8);
        }
    };
    if (const auto* error = std::get_if<DetailInputError>(&result)) {
        context_.dialogs.ShowMessage(InputErrorMessage(*error));
        backTo(error->field);
        return;
    }
    const DetailPages& pages = std::get<DetailPages>(result);
    if (pages.steepSlopeWarning &&
        context_.dialogs.ShowMessage(SteepSlopeWarning(), MessageButtons::OkCancel) !=
            MessageAnswer::Ok) {
        backTo("RoofSlope");
        return;
    }
    pages_ = pages.pages;
    accept();
}

std::optional<std::vector<Page>> DetailDialog::Run() {
    Refresh();
    const int answer = context_.runModal ? context_.runModal(*this) : exec();
    if (answer != QDialog::Accepted || pages_.empty()) {
        return std::nullopt;
    }
    return pages_;
}

} // namespace waybill

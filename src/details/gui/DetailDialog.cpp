#include "details/gui/DetailDialog.h"

#include "details/gui/DetailPreview.h"
#include "platform/gui/DialogService.h"
#include "platform/gui/QtText.h"

#include <algorithm>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace waybill {
namespace {

QString Text(std::string_view cp1252) {
    return FromCp1252(cp1252);
}

QString Named(const char* prefix, std::string_view field) {
    return QString::fromLatin1(prefix) + Text(field);
}

} // namespace

DetailDialog::DetailDialog(const DetailDialogContext& context, const DetailVariant& variant)
    : QDialog(context.parent), context_(context), variant_(variant) {
    setObjectName(Text(variant.form->dialog));
    setWindowTitle(Text(variant.caption));
    setModal(true);

    auto* inputs = new QVBoxLayout;
    AddInputs(inputs);
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
    // The preview at its default size when the screen has room; the dialog stays resizable.
    const QSize room = screen()->availableGeometry().size() - QSize(24, 48); // the frame
    resize(sizeHint().boundedTo(room));
}

// The form's fields top to bottom: a run of boxes and check boxes with one frame shares a
// grid (in a frame when it has one); an option's buttons have a row or column of their own.
void DetailDialog::AddInputs(QBoxLayout* inputs) {
    const std::vector<DetailField>& fields = variant_.form->fields;
    const auto isOption = [](const DetailField& f) { return f.kind == DetailFieldKind::Option; };
    for (auto first = fields.begin(); first != fields.end();) {
        auto end = std::next(first);
        while (!isOption(*first) && end != fields.end() && !isOption(*end) &&
               end->frame == first->frame) {
            ++end;
        }
        QGroupBox* frame = nullptr;
        if (!first->frame.empty()) {
            frame = new QGroupBox(Text(first->frame), this);
            frame->setEnabled(!std::all_of(
                first, end, [this](const DetailField& f) { return variant_.Greyed(f.name); }));
            inputs->addWidget(frame);
        }
        QLayout* run = nullptr;
        if (isOption(*first)) {
            QBoxLayout* buttons =
                first->across ? static_cast<QBoxLayout*>(new QHBoxLayout) : new QVBoxLayout;
            AddOption(buttons, *first);
            run = buttons;
        } else {
            auto* grid = new QGridLayout;
            grid->setColumnStretch(1, 1);
            for (auto field = first; field != end; ++field) {
                AddBox(grid, *field);
            }
            run = grid;
        }
        if (frame) {
            frame->setLayout(run);
        } else {
            inputs->addLayout(run);
        }
        first = end;
    }
}

void DetailDialog::AddBox(QGridLayout* grid, const DetailField& field) {
    const int row = grid->rowCount();
    const bool enabled = !variant_.Greyed(field.name);
    if (field.kind == DetailFieldKind::Check) {
        auto* check = new QCheckBox(Text(field.label), this);
        check->setObjectName(Named("chk", field.name));
        check->setEnabled(enabled);
        grid->addWidget(check, row, 0, 1, 2);
        checks_[field.name] = check;
        connect(check, &QCheckBox::toggled, this, &DetailDialog::Refresh);
        return;
    }
    auto* box = new QLineEdit(this);
    box->setObjectName(Named("txt", field.name));
    // Room for a typed value or the dotted form's hint, however small the dialog is made.
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(Text(kFtDottedPlaceholder)) +
                         box->fontMetrics().averageCharWidth() * 2);
    auto* label = new QLabel(Text(field.label), this);
    label->setObjectName(Named("lbl", field.name));
    label->setBuddy(box);
    label->setEnabled(enabled);
    box->setEnabled(enabled);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    if (field.kind == DetailFieldKind::FtDotted) {
        box->setPlaceholderText(Text(kFtDottedPlaceholder));
        // The length as read, so a slip in the dotted form shows before OK.
        auto* reading = new QLabel(this);
        reading->setObjectName(Named("lbl", field.name) + QStringLiteral("Reading"));
        reading->setMinimumWidth(
            reading->fontMetrics().horizontalAdvance(QStringLiteral("= 999'-11 15/16")));
        grid->addWidget(reading, row, 2);
        connect(box, &QLineEdit::textChanged, reading, [reading](const QString& typed) {
            reading->setText(Text(FtDottedReading(ToCp1252(typed))));
        });
    }
    boxes_[field.name] = box;
    connect(box, &QLineEdit::textChanged, this, &DetailDialog::Refresh);
}

void DetailDialog::AddOption(QBoxLayout* into, const DetailField& field) {
    auto* group = new QButtonGroup(this);
    for (std::size_t i = 0; i < field.choices.size(); ++i) {
        auto* button = new QRadioButton(Text(field.choices[i].caption), this);
        button->setObjectName(Text(field.choices[i].control));
        into->addWidget(button);
        group->addButton(button, static_cast<int>(i));
    }
    group->button(variant_.Preset().Choice(field.name))->setChecked(true);
    options_[field.name] = group;
    connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) {
            Refresh();
        }
    });
}

DetailInputs DetailDialog::Inputs() const {
    DetailInputs inputs;
    for (const auto& [field, box] : boxes_) {
        inputs.texts.emplace(field, ToCp1252(box->text()));
    }
    for (const auto& [field, check] : checks_) {
        inputs.choices.emplace(field, check->isChecked() ? 1 : 0);
    }
    for (const auto& [field, group] : options_) {
        inputs.choices.emplace(field, group->checkedId());
    }
    return inputs;
}

void DetailDialog::Refresh() {
    if (!preview_) {
        return; // still being built
    }
    const DetailResult result = variant_.make(Inputs());
    if (const auto* error = std::get_if<DetailInputError>(&result)) {
        preview_->ShowProblem(MessageText(error->message));
    } else {
        const DetailPages& pages = std::get<DetailPages>(result);
        preview_->ShowPages(pages.pages, pages.steepSlopeWarning
                                             ? MessageText(SteepSlopeWarning().text)
                                             : QString());
    }
}

void DetailDialog::OnOk() {
    const DetailResult result = variant_.make(Inputs());
    auto backTo = [this](std::string_view field) {
        const auto it = boxes_.find(field);
        if (it != boxes_.end()) {
            it->second->setFocus();
            it->second->selectAll();
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

std::optional<std::vector<Page>> StartDetail(const DetailVariant& variant,
                                             const DetailDialogContext& context) {
    DetailDialog dialog(context, variant);
    return dialog.Run();
}

} // namespace waybill

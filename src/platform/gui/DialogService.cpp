#include "platform/gui/DialogService.h"

#include "platform/Cp1252.h"
#include "platform/gui/LockFileFilter.h"
#include "platform/gui/QtText.h"

#include <algorithm>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QVBoxLayout>

namespace waybill {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::ReadOnlyOpenAnywayCancel:
        break; // buttons of their own (LockQuestionAnswer)
    }
    return QMessageBox::NoButton;
}

MessageAnswer FromQtButton(int button, MessageButtons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        // Closed without a button: the safe answer the box offers.
        if (buttons == MessageButtons::YesNo) {
            return MessageAnswer::No;
        }
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

// The question on opening a document someone else holds: Read-Only (the default), Open
// Anyway and Cancel; closing the box cancels.
MessageAnswer LockQuestionAnswer(QMessageBox& box, std::optional<MessageAnswer> defaultButton) {
    QPushButton* readOnly = box.addButton(QStringLiteral("&Read-Only"), QMessageBox::AcceptRole);
    QPushButton* anyway = box.addButton(QStringLiteral("Open &Anyway"), QMessageBox::ActionRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setEscapeButton(cancel);
    box.setDefaultButton(defaultButton == MessageAnswer::OpenAnyway ? anyway
                         : defaultButton == MessageAnswer::Cancel   ? cancel
                                                                    : readOnly);
    box.exec();
    if (box.clickedButton() == readOnly) {
        return MessageAnswer::ReadOnly;
    }
    return box.clickedButton() == anyway ? MessageAnswer::OpenAnyway : MessageAnswer::Cancel;
}

} // namespace

MessageAnswer QtDialogService::ShowMessage(const UserMessage& message, MessageButtons buttons,
                                           std::optional<MessageAnswer> defaultButton) {
    QMessageBox box(ToQtIcon(message.icon), MessageText(message.caption), MessageText(message.text),
                    ToQtButtons(buttons), parent_);
    if (buttons == MessageButtons::ReadOnlyOpenAnywayCancel) {
        return LockQuestionAnswer(box, defaultButton);
    }
    if (defaultButton) {
        switch (*defaultButton) {
        case MessageAnswer::Ok:
            box.setDefaultButton(QMessageBox::Ok);
            break;
        case MessageAnswer::Cancel:
            box.setDefaultButton(QMessageBox::Cancel);
            break;
        case MessageAnswer::Yes:
            box.setDefaultButton(QMessageBox::Yes);
            break;
        case MessageAnswer::No:
            box.setDefaultButton(QMessageBox::No);
            break;
        case MessageAnswer::ReadOnly:
        case MessageAnswer::OpenAnyway:
            break; // only in the lock question
        }
    }
    return FromQtButton(box.exec(), buttons);
}

std::optional<ListAnswer> QtDialogService::AskAboutList(const ListQuestion& question) {
    QDialog dialog(parent_);
    dialog.setWindowTitle(MessageText(question.message.caption));
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QLabel(MessageText(question.message.text), &dialog);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* list = new QListWidget(&dialog);
    for (const std::string& entry : question.entries) {
        list->addItem(MessageText(entry));
    }
    list->setCurrentRow(0);
    // Every entry whole where the screen allows: they are paths with a time at their end.
    const int widest = list->sizeHintForColumn(0) + 2 * list->frameWidth() + 24;
    list->setMinimumWidth(std::min(widest, dialog.screen()->availableGeometry().width() - 60));
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(&dialog);
    std::optional<ListAnswer> answer;
    for (std::size_t i = 0; i < question.buttons.size(); ++i) {
        QPushButton* button =
            buttons->addButton(MessageText(question.buttons[i]), QDialogButtonBox::ActionRole);
        button->setDefault(i == 0);
        QObject::connect(button, &QPushButton::clicked, &dialog, [&, i] {
            answer = ListAnswer{static_cast<int>(i), std::max(0, list->currentRow())};
            dialog.accept();
        });
    }
    layout->addWidget(buttons);
    dialog.exec();
    return answer;
}

std::optional<std::string> QtDialogService::AskForFile(const FileQuestion& question) {
    QFileDialog dialog(parent_, FromUtf8(question.title), FromUtf8(question.startFolder));
    dialog.setAcceptMode(question.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(question.save || !question.mustExist ? QFileDialog::AnyFile
                                                            : QFileDialog::ExistingFile);
    // Where the platform's own dialog is used instead, a lock file picked gets its message.
    dialog.setProxyModel(new LockFileFilter(&dialog));
    const QStringList filters = QtNameFilters(FromUtf8(question.filter));
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
    }
    if (!question.defaultExtension.empty()) {
        dialog.setDefaultSuffix(FromUtf8(question.defaultExtension));
    }
    if (!question.fileName.empty()) {
        dialog.selectFile(FromUtf8(question.fileName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return ToUtf8(dialog.selectedFiles().constFirst());
}

void QtDialogService::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

std::optional<QString> QtDialogService::GetFolder(const QString& title,
                                                  const QString& startFolder) {
    const QString folder = QFileDialog::getExistingDirectory(parent_, title, startFolder);
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return folder;
}

QStringList QtNameFilters(const QString& systemFilter) {
    // Qt reads a filter's patterns from the parentheses at its end, separated by blanks, so
    // the description's own pattern list (often "*.a, *.b") is replaced by the real one.
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = systemFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        description.remove(trailingPatterns);
        const QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        QStringList trimmed;
        for (const QString& pattern : patterns) {
            const QString p = pattern.trimmed();
            // "*.*" means every file there; on other systems it would skip names without a dot.
            if (p == QStringLiteral("*.*")) {
                trimmed << QStringLiteral("*");
            } else if (!p.isEmpty()) {
                trimmed << p;
            }
        }
        if (trimmed.isEmpty()) {
            continue;
        }
        filters << description.trimmed() + QStringLiteral(" (") + trimmed.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

QString MessageText(const std::string& cp1252) {
    QString text = FromCp1252(cp1252);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace waybill

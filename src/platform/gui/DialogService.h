#pragma once

#include "platform/Questions.h"

#include <optional>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace waybill {

// The print dialog of a print command: the pages it offers and the range it proposes.
struct PrintDialogRequest {
    QString title;
    int minPage = 1;
    int maxPage = 1;
    int fromPage = 1; // preset in the range boxes
    int toPage = 1;
    QString markOption = {}; // a check box offered with the pages, off at first; empty: none
};

// The pages the user chose: all of them, or `from` to `to`.
struct PrintChoice {
    bool range = false;
    int from = 1;
    int to = 1;
    bool markChanges = false; // the request's mark option was checked

    bool operator==(const PrintChoice&) const = default;
};

// Every message box and common dialog goes through this, so tests answer and record them.
class DialogService : public Questions {
  public:
    virtual std::optional<QString> GetFolder(const QString& title, const QString& startFolder) = 0;
    // The print dialog for `printer` (its settings change with the user's choice); nothing
    // when the user cancelled.
    virtual std::optional<PrintChoice> GetPrintChoice(QPrinter& printer,
                                                      const PrintDialogRequest& request) = 0;
    // The printer set-up dialog; false when the user cancelled (the printer is unchanged).
    virtual bool SetUpPrinter(QPrinter& printer, const QString& title) = 0;
    // Which pages of `request.minPage` to `request.maxPage` to export; nothing on cancel.
    virtual std::optional<PrintChoice> GetPageRange(const PrintDialogRequest& request) = 0;
};

// The platform's own dialogs, parented to `parent` (may be null): DialogService.cpp, the print
// dialogs in PrintDialogs.cpp.
class QtDialogService : public DialogService {
  public:
    explicit QtDialogService(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    MessageAnswer ShowMessage(const UserMessage& message, MessageButtons buttons,
                              std::optional<MessageAnswer> defaultButton) override;
    std::optional<ListAnswer> AskAboutList(const ListQuestion& question) override;
    std::optional<std::string> AskForFile(const FileQuestion& question) override;
    void SetBusy(bool busy) override;
    std::optional<QString> GetFolder(const QString& title, const QString& startFolder) override;
    std::optional<PrintChoice> GetPrintChoice(QPrinter& printer,
                                              const PrintDialogRequest& request) override;
    bool SetUpPrinter(QPrinter& printer, const QString& title) override;
    std::optional<PrintChoice> GetPageRange(const PrintDialogRequest& request) override;

  private:
    QWidget* parent_;
};

// "Waybill Files (*.fwb, *.wbl)|*.fwb;*.wbl|All Files (*.*)|*.*" as a Qt name filter list.
QStringList QtNameFilters(const QString& systemFilter);

// A Windows-1252 message text for a Qt widget: line ends become "\n".
QString MessageText(const std::string& cp1252);

} // namespace waybill

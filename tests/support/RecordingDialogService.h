#pragma once

#include "platform/gui/DialogService.h"
#include "support/RecordingQuestions.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace waybill::test {

// A DialogService for GUI tests: records every message and dialog request and answers from
// queues the test fills. Messages are answered as MessageRecorder does; with an empty queue a
// file or folder dialog is cancelled.
class RecordingDialogService : public DialogService, public MessageRecorder {
  public:
    MessageAnswer ShowMessage(const UserMessage& message, MessageButtons buttons,
                              std::optional<MessageAnswer> defaultButton) override {
        return Record(message, buttons, defaultButton);
    }

    std::optional<ListAnswer> AskAboutList(const ListQuestion& question) override {
        return RecordList(question);
    }

    std::optional<std::string> AskForFile(const FileQuestion& question) override {
        return RecordFile(question);
    }

    std::optional<QString> GetFolder(const QString& title, const QString& startFolder) override {
        folderRequests.emplace_back(title, startFolder);
        return Next(folderAnswers);
    }

    std::optional<PrintChoice> GetPrintChoice(QPrinter&,
                                              const PrintDialogRequest& request) override {
        printRequests.push_back(request);
        return NextChoice();
    }

    bool SetUpPrinter(QPrinter&, const QString& title) override {
        setupTitles.push_back(title);
        return setupAnswer;
    }

    std::optional<PrintChoice> GetPageRange(const PrintDialogRequest& request) override {
        rangeRequests.push_back(request);
        return NextChoice();
    }

    void Clear() {
        messages.clear();
        openRequests.clear();
        saveRequests.clear();
        folderRequests.clear();
    }

    std::vector<std::pair<QString, QString>> folderRequests; // title, start folder
    std::deque<std::optional<QString>> folderAnswers;

    std::vector<PrintDialogRequest> printRequests;
    std::vector<PrintDialogRequest> rangeRequests;
    // Answers of the print and page-range dialogs; an empty queue cancels.
    std::deque<std::optional<PrintChoice>> printAnswers;
    std::vector<QString> setupTitles;
    bool setupAnswer = false;

  private:
    std::optional<PrintChoice> NextChoice() {
        std::optional<PrintChoice> choice;
        if (!printAnswers.empty()) {
            choice = printAnswers.front();
            printAnswers.pop_front();
        }
        return choice;
    }

    static std::optional<QString> Next(std::deque<std::optional<QString>>& queue) {
        std::optional<QString> result;
        if (!queue.empty()) {
            if (queue.front()) {
                result.emplace(*queue.front());
            }
            queue.pop_front();
        }
        return result;
    }
};

} // namespace waybill::test

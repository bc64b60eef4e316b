#pragma once

#include "platform/gui/DialogService.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace waybill::test {

// A DialogService for GUI tests: records every message and dialog request and answers from
// queues the test fills. With an empty queue a message gets its default button (the one
// named, else the first: Ok or Yes) and a file or folder dialog is cancelled.
class RecordingDialogService : public DialogService {
  public:
    struct MessageCall {
        UserMessage message;
        MessageButtons buttons = MessageButtons::Ok;
        std::optional<MessageAnswer> defaultButton;
    };

    MessageAnswer ShowMessage(const UserMessage& message, MessageButtons buttons,
                              std::optional<MessageAnswer> defaultButton) override {
        messages.push_back({message, buttons, defaultButton});
        if (onMessage) {
            onMessage(messages.back());
        }
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        if (defaultButton) {
            return *defaultButton;
        }
        return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel
                   ? MessageAnswer::Ok
                   : MessageAnswer::Yes;
    }

    std::optional<QString> GetOpenFileName(const FileDialogRequest& request) override {
        openRequests.push_back(request);
        return Next(openAnswers);
    }

    std::optional<QString> GetSaveFileName(const FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return Next(saveAnswers);
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

    // The texts of the recorded messages, in order (Windows-1252 bytes).
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& call : messages) {
            texts.push_back(call.message.text);
        }
        return texts;
    }

    void Clear() {
        messages.clear();
        openRequests.clear();
        saveRequests.clear();
        folderRequests.clear();
    }

    std::vector<MessageCall> messages;
    std::deque<MessageAnswer> answers;
    // Called while the message is "on screen", before it is answered.
    std::function<void(const MessageCall&)> onMessage;

    std::vector<FileDialogRequest> openRequests;
    std::deque<std::optional<QString>> openAnswers;
    std::vector<FileDialogRequest> saveRequests;
    std::deque<std::optional<QString>> saveAnswers;
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

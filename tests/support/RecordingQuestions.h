#pragma once

#include "platform/Questions.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace waybill::test {

// Records every message shown and answers from a queue the test fills. With an empty queue a
// message gets its default button: the one named, else the first (Ok, Yes or Read-Only).
class MessageRecorder {
  public:
    struct MessageCall {
        UserMessage message;
        MessageButtons buttons = MessageButtons::Ok;
        std::optional<MessageAnswer> defaultButton;
    };

    MessageAnswer Record(const UserMessage& message, MessageButtons buttons,
                         std::optional<MessageAnswer> defaultButton) {
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
        switch (buttons) {
        case MessageButtons::Ok:
        case MessageButtons::OkCancel:
            return MessageAnswer::Ok;
        case MessageButtons::ReadOnlyOpenAnywayCancel:
            return MessageAnswer::ReadOnly;
        default:
            return MessageAnswer::Yes;
        }
    }

    // The texts of the recorded messages, in order (Windows-1252 bytes).
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& call : messages) {
            texts.push_back(call.message.text);
        }
        return texts;
    }

    // A list question is recorded and answered from `listAnswers`; an empty queue closes it.
    std::optional<ListAnswer> RecordList(const ListQuestion& question) {
        listQuestions.push_back(question);
        std::optional<ListAnswer> answer;
        if (!listAnswers.empty()) {
            answer = listAnswers.front();
            listAnswers.pop_front();
        }
        return answer;
    }

    // A file dialog is recorded with its kind and answered from that kind's queue; an empty
    // queue cancels it.
    std::optional<std::string> RecordFile(const FileQuestion& question) {
        (question.save ? saveRequests : openRequests).push_back(question);
        auto& queue = question.save ? saveAnswers : openAnswers;
        std::optional<std::string> answer;
        if (!queue.empty()) {
            answer = queue.front();
            queue.pop_front();
        }
        return answer;
    }

    std::vector<MessageCall> messages;
    std::deque<MessageAnswer> answers;
    std::vector<ListQuestion> listQuestions;
    std::deque<std::optional<ListAnswer>> listAnswers;
    std::vector<FileQuestion> openRequests;
    std::deque<std::optional<std::string>> openAnswers;
    std::vector<FileQuestion> saveRequests;
    std::deque<std::optional<std::string>> saveAnswers;
    // Called while the message is "on screen", before it is answered.
    std::function<void(const MessageCall&)> onMessage;
};

// The Questions of a core test.
class RecordingQuestions : public Questions, public MessageRecorder {
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
};

} // namespace waybill::test

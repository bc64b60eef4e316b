#pragma once

#include "platform/UserMessage.h"

#include <optional>
#include <string>
#include <vector>

namespace waybill {

enum class MessageButtons {
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    ReadOnlyOpenAnywayCancel, // opening a document someone else holds
};
enum class MessageAnswer { Ok, Cancel, Yes, No, ReadOnly, OpenAnyway };

// A question about a list: the user selects one entry and presses one of the buttons.
struct ListQuestion {
    UserMessage message;              // the caption and the text above the list
    std::vector<std::string> entries; // Windows-1252 text, one line each
    std::vector<std::string> buttons; // their texts; the first is the default
};

struct ListAnswer {
    int button = 0; // index into the buttons
    int entry = 0;  // index into the entries
};

// A file dialog. Paths are UTF-8; `filter` is in the "Text (*.a;*.b)|*.a;*.b|..." form the
// system's texts use.
struct FileQuestion {
    bool save = false; // a save dialog; else an open dialog
    std::string title;
    std::string filter;
    std::string startFolder;      // empty: where the platform puts it
    std::string fileName;         // proposed name
    std::string defaultExtension; // without the dot; empty for none
    bool mustExist = false;       // open dialogs: only existing files
};

// Where the core shows a message and asks a question: the editor's message boxes, a
// command's standard error, a test's recorder.
class Questions {
  public:
    virtual ~Questions() = default;

    // Shows the message (Windows-1252 text, "\r" or "\r\n" between lines) and answers the
    // button the user chose. Enter answers `defaultButton` when given, otherwise the first
    // button.
    virtual MessageAnswer ShowMessage(const UserMessage& message,
                                      MessageButtons buttons = MessageButtons::Ok,
                                      std::optional<MessageAnswer> defaultButton = {}) = 0;

    // Shows the list; nothing when the user closed it without a button.
    virtual std::optional<ListAnswer> AskAboutList(const ListQuestion& question) = 0;

    // The path the user chose, or nothing when the dialog was cancelled.
    virtual std::optional<std::string> AskForFile(const FileQuestion& question) = 0;

    // A slow step starts (true) or ends: the editor shows the busy pointer meanwhile.
    virtual void SetBusy(bool) {}
};

// The busy pointer for a scope. Messages are shown after it ends, so a message box never
// carries the busy pointer.
class BusyWhile {
  public:
    explicit BusyWhile(Questions& questions) : questions_(questions) { questions_.SetBusy(true); }
    ~BusyWhile() { questions_.SetBusy(false); }
    BusyWhile(const BusyWhile&) = delete;
    BusyWhile& operator=(const BusyWhile&) = delete;

  private:
    Questions& questions_;
};

} // namespace waybill

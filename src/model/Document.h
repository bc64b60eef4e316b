#pragma once

#include "model/Book.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

// What the file on disk looked like when the document last read or wrote it, to notice a
// save by someone else.
struct FileStamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at `path`; nothing when there is no such file.
std::optional<FileStamp> ReadFileStamp(const std::filesystem::path& path);

// The open document: the Book, the path it is saved under, whether it came from a legacy
// file, and its edit history. Every change of the book goes through Record as one named
// step that Undo and Redo take back and bring again; moving the cursor and the page
// clipboard are no changes and go through their own calls.
//
// "Changed" follows the history: the document is unchanged exactly when the history stands
// where it stood at the last open or save. Steps keep only the pages they replaced, and
// pages are shared between the states (Book copies on write), so a long history over a
// large document stays small.
class Document {
  public:
    static constexpr std::size_t kDefaultHistoryLimit = 1000;

    explicit Document(std::size_t historyLimit = kDefaultHistoryLimit);

    const Book& GetBook() const { return book_; }
    // The path the document is saved under (UTF-8); empty for a new document.
    const std::string& Path() const { return path_; }
    // Imported from the legacy format and not saved since: Path names a file it did not
    // come from, so Save has to ask where to write.
    bool Imported() const { return imported_; }
    bool FileChanged() const { return !cleanStep_ || *cleanStep_ != done_; }

    // A new or opened document: this content under this path, an empty history, unchanged.
    void Reset(Book book, std::string path, bool imported);
    // Written to `path`: the document is unchanged here and no longer imported.
    void MarkSaved(std::string path);
    // No state of the history is saved any more (recovered content, a file gone from disk).
    void MarkUnsaved() { cleanStep_.reset(); }

    // Records one step named `name`: `change` edits a copy of the book (header, pages, page
    // order, cursor) and that copy becomes the document. A change that leaves everything as
    // it was records nothing. A step after an undo drops the steps that were undone; past the
    // limit the oldest step is forgotten. Answers whether a step was recorded.
    bool Record(std::string_view name, const std::function<void(Book&)>& change);

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    // The name of the step Undo or Redo would take back or bring again (empty: none).
    std::string UndoName() const;
    std::string RedoName() const;
    // Undo puts back the header, pages, page order and current page as they were before the
    // step; Redo as they were after it. The page clipboard is left alone. False when there
    // was nothing to undo or redo.
    bool Undo();
    bool Redo();
    std::size_t StepCount() const { return steps_.size(); }

    // Not changes: the cursor and the page clipboard.
    void GotoPage(int pageNumber) { book_.GotoPage(pageNumber); }
    void CopyPage() { book_.CopyPage(); }

    // The disk stamp of the file at Path as the document last read or wrote it.
    const std::optional<FileStamp>& DiskStamp() const { return diskStamp_; }
    void SetDiskStamp(std::optional<FileStamp> stamp) { diskStamp_ = std::move(stamp); }
    // True when the file at Path is there but differs from the stamp taken at open or save.
    bool ChangedOnDisk() const;

  private:
    // One side of a step: the header and the cursor, with either the pages that were
    // replaced in place or, when pages were added, removed or moved, the whole list.
    struct State {
        Book header; // header fields only
        int current = 0;
        std::vector<std::pair<std::size_t, Book::PagePtr>> replaced;
        std::optional<std::vector<Book::PagePtr>> pages;
    };
    struct Step {
        std::string name;
        State before;
        State after;
    };

    static Step Diff(std::string_view name, const Book& before, const Book& after);
    void Restore(const State& state);

    std::size_t limit_;
    Book book_;
    std::string path_;
    bool imported_ = false;
    std::deque<Step> steps_;
    std::size_t done_ = 0;                 // steps applied
    std::optional<std::size_t> cleanStep_; // `done_` at the last open or save
    std::optional<FileStamp> diskStamp_;
};

} // namespace waybill

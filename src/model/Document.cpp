#include "model/Document.h"

#include "platform/Cp1252.h"

namespace waybill {

std::optional<FileStamp> ReadFileStamp(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(path, error);
    if (error) {
        return std::nullopt;
    }
    stamp.modified = std::filesystem::last_write_time(path, error);
    if (error) {
        return std::nullopt;
    }
    return stamp;
}

Document::Document(std::size_t historyLimit) : limit_(historyLimit == 0 ? 1 : historyLimit) {
    cleanStep_ = 0;
}

void Document::Reset(Book book, std::string path, bool imported) {
    book_ = std::move(book);
    path_ = std::move(path);
    imported_ = imported;
    steps_.clear();
    done_ = 0;
    cleanStep_ = 0;
    diskStamp_.reset();
}

void Document::MarkSaved(std::string path) {
    path_ = std::move(path);
    imported_ = false;
    cleanStep_ = done_;
}

bool Document::ChangedOnDisk() const {
    if (!diskStamp_ || path_.empty()) {
        return false;
    }
    const auto now = ReadFileStamp(PathFromUtf8(path_));
    return now && *now != *diskStamp_;
}

Document::Step Document::Diff(std::string_view name, const Book& before, const Book& after) {
    Step step;
    step.name = std::string(name);
    step.before.header.CopyHeaderFrom(before);
    step.after.header.CopyHeaderFrom(after);
    step.before.current = before.CurPage();
    step.after.current = after.CurPage();
    const auto& old = before.Pages();
    const auto& now = after.Pages();
    if (old.size() != now.size()) {
        step.before.pages = old;
        step.after.pages = now;
        return step;
    }
    for (std::size_t i = 0; i < old.size(); ++i) {
        if (old[i] != now[i]) {
            step.before.replaced.emplace_back(i, old[i]);
            step.after.replaced.emplace_back(i, now[i]);
        }
    }
    return step;
}

bool Document::Record(std::string_view name, const std::function<void(Book&)>& change) {
    Book work = book_;
    change(work);

    // A page the change wrote back unchanged keeps its old, shared handle.
    if (work.PageCount() == book_.PageCount()) {
        std::vector<Book::PagePtr> pages = work.Pages();
        bool restored = false;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const Book::PagePtr& old = book_.Pages()[i];
            if (pages[i] != old && *pages[i] == *old) {
                pages[i] = old;
                restored = true;
            }
        }
        if (restored) {
            work.SetPages(std::move(pages), work.CurPage());
        }
    }

    Step step = Diff(name, book_, work);
    const bool changed = step.before.pages || !step.before.replaced.empty() ||
                         !step.before.header.SameHeader(step.after.header);
    book_ = std::move(work);
    if (!changed) {
        return false; // a move of the cursor at most
    }

    steps_.resize(done_);
    if (cleanStep_ && *cleanStep_ > done_) {
        cleanStep_.reset(); // the saved state was undone and is now out of reach
    }
    steps_.push_back(std::move(step));
    ++done_;
    if (steps_.size() > limit_) {
        steps_.erase(steps_.begin());
        --done_;
        if (cleanStep_) {
            cleanStep_ = *cleanStep_ == 0 ? std::nullopt : std::optional(*cleanStep_ - 1);
        }
    }
    return true;
}

std::string Document::UndoName() const {
    return CanUndo() ? steps_[done_ - 1].name : std::string();
}

std::string Document::RedoName() const {
    return CanRedo() ? steps_[done_].name : std::string();
}

void Document::Restore(const State& state) {
    book_.CopyHeaderFrom(state.header);
    std::vector<Book::PagePtr> pages = state.pages ? *state.pages : book_.Pages();
    for (const auto& [index, page] : state.replaced) {
        pages[index] = page;
    }
    book_.SetPages(std::move(pages), state.current);
}

bool Document::Undo() {
    if (!CanUndo()) {
        return false;
    }
    --done_;
    Restore(steps_[done_].before);
    return true;
}

bool Document::Redo() {
    if (!CanRedo()) {
        return false;
    }
    Restore(steps_[done_].after);
    ++done_;
    return true;
}

} // namespace waybill

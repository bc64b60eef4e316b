#include "app/DocumentLockHolder.h"

#include "app/DocumentLockPolicy.h"
#include "platform/Cp1252.h"

namespace waybill {

namespace {

// A found lock is taken over at most this often in a row: another editor taking it back each
// time is a holder like any other.
constexpr int kTakeOvers = 3;

} // namespace

DocumentLockHolder::DocumentLockHolder(LockSystem* system, const SettingsStore* settings,
                                       Questions& questions)
    : system_(system), settings_(settings), questions_(questions) {}

DocumentLockHolder::~DocumentLockHolder() {
    Release(held_);
}

void DocumentLockHolder::Release(const std::optional<HeldLock>& lock) const {
    if (lock && system_ != nullptr) {
        ReleaseLock(*lock, *system_);
    }
}

void DocumentLockHolder::Hold(std::optional<HeldLock> lock) {
    if (lock && held_ && lock->file == held_->file) {
        return; // still the one held
    }
    Release(held_);
    held_ = std::move(lock);
}

DocumentLockHolder::ForOpen DocumentLockHolder::LockForOpen(const std::filesystem::path& document) {
    if (system_ == nullptr) {
        return {};
    }
    LockSystem& system = *system_;
    if (held_ && held_->file == LockFilePath(document)) {
        return {held_}; // the open document again
    }
    LockResult result = LockDocument(document, system);
    for (int takeOvers = 0;; ++takeOvers) {
        if (const auto* held = std::get_if<HeldLock>(&result)) {
            return {*held};
        }
        if (const auto* refused = std::get_if<NoLock>(&result)) {
            return {.note = refused->reason + " The document is open without a lock."};
        }
        const ForeignLock found = std::get<ForeignLock>(result);
        const int staleHours =
            settings_ != nullptr ? ReadStaleLockHours(*settings_) : kDefaultStaleLockHours;
        const LockDecision decision =
            DecideOnLock(PathText(document), found, UtcSeconds(system.Now()), staleHours);
        if (decision.step == LockStep::TakeOver) {
            if (takeOvers == kTakeOvers) {
                return {.note = "The lock file " + PathText(found.file) +
                                " keeps changing. The document is open without a lock."};
            }
            result = TakeOverLock(found, system);
            continue;
        }
        switch (questions_.ShowMessage(decision.question, MessageButtons::ReadOnlyOpenAnywayCancel,
                                       MessageAnswer::ReadOnly)) {
        case MessageAnswer::ReadOnly:
            return {std::nullopt, true};
        case MessageAnswer::OpenAnyway:
            return {};
        default:
            return {std::nullopt, false, true};
        }
    }
}

// An export takes no lock: a stale lock stays where it is, and only a holder is asked about.
bool DocumentLockHolder::MayExportOver(const std::filesystem::path& file) {
    if (system_ == nullptr) {
        return true;
    }
    const std::optional<ForeignLock> found = FindLock(file, *system_);
    if (!found || !IsHeldBySomeone(*found)) {
        return true;
    }
    return questions_.ShowMessage(DecideOnSave(PathText(file), *found).question,
                                  MessageButtons::YesNo, MessageAnswer::No) == MessageAnswer::Yes;
}

DocumentLockHolder::ForWrite
DocumentLockHolder::LockForWrite(const std::filesystem::path& document) {
    if (system_ == nullptr) {
        return {true};
    }
    LockSystem& system = *system_;
    if (held_ && held_->file == LockFilePath(document)) {
        std::string text;
        if (!system.Read(held_->file, text) && text == held_->line) {
            return {true};
        }
        held_.reset(); // removed or taken over by someone else: no longer ours to release
    }
    LockResult result = LockDocument(document, system);
    for (int takeOvers = 0; takeOvers <= kTakeOvers; ++takeOvers) {
        if (const auto* held = std::get_if<HeldLock>(&result)) {
            return {true, *held};
        }
        if (std::holds_alternative<NoLock>(result)) {
            return {true}; // a folder without lock files: the write itself says what fails
        }
        const ForeignLock found = std::get<ForeignLock>(result);
        const LockDecision decision = DecideOnSave(PathText(document), found);
        if (decision.step == LockStep::Ask) {
            return {questions_.ShowMessage(decision.question, MessageButtons::YesNo,
                                           MessageAnswer::No) == MessageAnswer::Yes};
        }
        result = TakeOverLock(found, system);
    }
    return {true};
}

} // namespace waybill

// The edit session's document lock: taken on opening and on the first save, asked about when
// someone else holds the document, released when the document goes.
#include "app/DocumentLockPolicy.h"
#include "app/EditSession.h"
#include "platform/Cp1252.h"

namespace waybill {

namespace {

// A found lock is taken over at most this often in a row: another editor taking it back each
// time is a holder like any other.
constexpr int kTakeOvers = 3;

} // namespace

EditSession::~EditSession() {
    ReleaseHeld(lock_);
}

void EditSession::ReleaseHeld(const std::optional<HeldLock>& lock) {
    if (lock && setup_.locks != nullptr) {
        ReleaseLock(*lock, *setup_.locks);
    }
}

void EditSession::HoldLock(std::optional<HeldLock> lock) {
    if (lock && lock_ && lock->file == lock_->file) {
        return; // still the one held
    }
    ReleaseHeld(lock_);
    lock_ = std::move(lock);
}

EditSession::OpenLock EditSession::LockForOpen(const std::filesystem::path& document) {
    if (setup_.locks == nullptr) {
        return {};
    }
    LockSystem& system = *setup_.locks;
    if (lock_ && lock_->file == LockFilePath(document)) {
        return {lock_}; // the open document again
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
        const int staleHours = setup_.settings != nullptr ? ReadStaleLockHours(*setup_.settings)
                                                          : kDefaultStaleLockHours;
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
bool EditSession::MayExportOver(const std::filesystem::path& file) {
    if (setup_.locks == nullptr) {
        return true;
    }
    const std::optional<ForeignLock> found = FindLock(file, *setup_.locks);
    if (!found || !IsHeldBySomeone(*found)) {
        return true;
    }
    return questions_.ShowMessage(DecideOnSave(PathText(file), *found).question,
                                  MessageButtons::YesNo, MessageAnswer::No) == MessageAnswer::Yes;
}

bool EditSession::MayWriteOver(const std::filesystem::path& document,
                               std::optional<HeldLock>& made) {
    if (setup_.locks == nullptr) {
        return true;
    }
    LockSystem& system = *setup_.locks;
    if (lock_ && lock_->file == LockFilePath(document)) {
        std::string text;
        if (!system.Read(lock_->file, text) && text == lock_->line) {
            return true;
        }
        lock_.reset(); // removed or taken over by someone else: no longer ours to release
    }
    LockResult result = LockDocument(document, system);
    for (int takeOvers = 0; takeOvers <= kTakeOvers; ++takeOvers) {
        if (const auto* held = std::get_if<HeldLock>(&result)) {
            made = *held;
            return true;
        }
        if (std::holds_alternative<NoLock>(result)) {
            return true; // a folder without lock files: the write itself says what fails
        }
        const ForeignLock found = std::get<ForeignLock>(result);
        const LockDecision decision = DecideOnSave(PathText(document), found);
        if (decision.step == LockStep::Ask) {
            return questions_.ShowMessage(decision.question, MessageButtons::YesNo,
                                          MessageAnswer::No) == MessageAnswer::Yes;
        }
        result = TakeOverLock(found, system);
    }
    return true;
}

} // namespace waybill

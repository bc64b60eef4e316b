#pragma once

#include "app/AppSettings.h"
#include "platform/DocumentLock.h"
#include "platform/UserMessage.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace waybill {

// How many hours a lock from another workstation may stand before the question on opening
// says it may be left over, when the "StaleLockHours" setting of section "Config" is absent
// or no number.
inline constexpr int kDefaultStaleLockHours = 24;

// The "StaleLockHours" setting; 0 (or less) never calls a lock old.
int ReadStaleLockHours(const SettingsStore& store);

enum class LockStep {
    // No one else can have the document open: a lock of this workstation whose process has
    // ended, or one carrying this process's own id. It is replaced without a question.
    TakeOver,
    // Someone may have the document open: ask whether to open it read-only, open it anyway,
    // or cancel.
    Ask,
};

struct LockDecision {
    LockStep step = LockStep::Ask;
    UserMessage question; // for Ask: the question, naming the holder (Windows-1252)

    bool operator==(const LockDecision&) const = default;
};

// "<file> is open by <user> on <host> since <time>" (Windows-1252), or by "unknown" when the
// lock cannot be read.
std::string LockHolderText(std::string_view documentName, const ForeignLock& found);

// Someone may hold the document: any lock but one of this workstation whose process has
// ended, or one carrying this process's own id.
bool IsHeldBySomeone(const ForeignLock& found);

// What opening the document `documentName` (its file name as shown, Windows-1252) does
// about someone else's lock found on it, at `now` (seconds since 1970 UTC). A lock that
// cannot be read or makes no sense is held by "unknown". A lock of another workstation is
// never taken over: whether its editor still runs cannot be told from here, so the question
// only says when it is older than `staleLockHours`.
LockDecision DecideOnLock(std::string_view documentName, const ForeignLock& found, std::int64_t now,
                          int staleLockHours);

// What saving over the document does about someone else's lock found on it just before
// writing (the user opened it anyway, or the lock appeared later): a lock no one can hold is
// taken over; otherwise the user is asked whether to save over it, naming its holder.
LockDecision DecideOnSave(std::string_view documentName, const ForeignLock& found);

} // namespace waybill

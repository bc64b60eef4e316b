#include "app/DocumentLockPolicy.h"

#include "support/MemorySettings.h"

#include <gtest/gtest.h>
#include <map>

namespace waybill {
namespace {

const LockTime kOpened{2025, 7, 12, 14, 3, 27, 120};
const std::int64_t kHour = 3600;

ForeignLock Found(std::string host, bool onThisHost, bool ourProcess, bool processEnded) {
    ForeignLock found;
    found.holder = LockHolder{"jsmith", std::move(host), 4711, kOpened};
    found.onThisHost = onThisHost;
    found.ourProcess = ourProcess;
    found.processEnded = processEnded;
    return found;
}

// Opening asks unless no one can hold the lock, and says when it looks left over; saving over
// a lock asks however old it is.
TEST(DocumentLockPolicy, OnlyALockNoOneCanHoldIsTakenOverWithoutAQuestion) {
    const std::int64_t opened = UtcSeconds(kOpened);
    const std::string open = "Open it read-only, open it anyway, or cancel?";
    const std::string save = "Save over it anyway?";
    const std::string ws12 = "Job.fwb is open by jsmith on WS-12 since 12.07.2025 14:03";
    const std::string ws07 = "Job.fwb is open by jsmith on WS-07 since 12.07.2025 14:03";
    const std::string unknown = "Job.fwb is open by unknown (its lock file cannot be read). ";
    struct Case {
        const char* what;
        ForeignLock found;
        std::int64_t now;
        int staleHours;
        std::string opening; // empty: taken over
        std::string saving;  // empty: taken over
    };
    const ForeignLock here = Found("WS-12", true, false, false);
    const ForeignLock there = Found("WS-07", false, false, false);
    const Case cases[] = {
        {"this host, process ended", Found("WS-12", true, false, true), opened + kHour, 24, "", ""},
        {"this process's own id", Found("WS-12", true, true, false), opened + kHour, 24, "", ""},
        {"this host, process runs", here, opened + kHour, 24, ws12 + ". " + open,
         ws12 + ". " + save},
        {"... however old", here, opened + 99 * kHour, 24, ws12 + ". " + open, ws12 + ". " + save},
        {"other host, recent", there, opened + 24 * kHour, 24, ws07 + ". " + open,
         ws07 + ". " + save},
        {"other host, old", there, opened + 24 * kHour + 1, 24,
         ws07 + ", more than 24 hours ago (the lock may be left over). " + open,
         ws07 + ". " + save},
        {"other host, clock behind", there, opened - kHour, 24, ws07 + ". " + open,
         ws07 + ". " + save},
        {"other host, old, one hour", there, opened + 2 * kHour, 1,
         ws07 + ", more than 1 hour ago (the lock may be left over). " + open, ws07 + ". " + save},
        {"other host, never old", there, opened + 999 * kHour, 0, ws07 + ". " + open,
         ws07 + ". " + save},
        {"unreadable or garbled", ForeignLock{}, opened, 24, unknown + open, unknown + save},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const LockDecision decision = DecideOnLock("Job.fwb", c.found, c.now, c.staleHours);
        EXPECT_EQ(decision.step, c.opening.empty() ? LockStep::TakeOver : LockStep::Ask);
        if (!c.opening.empty()) {
            EXPECT_EQ(decision.question,
                      (UserMessage{c.opening, "File In Use", MessageIcon::Question}));
        }
        const LockDecision saving = DecideOnSave("Job.fwb", c.found);
        EXPECT_EQ(saving.step, c.saving.empty() ? LockStep::TakeOver : LockStep::Ask);
        EXPECT_EQ(saving.question.text, c.saving);
    }
}

TEST(DocumentLockPolicy, NamesAreShownInTheDocumentsCodePage) {
    ForeignLock found;
    found.holder = LockHolder{"J\xC3\xBCrgen", "B\xC3\xBCro-3", 7, {2025, 1, 2, 3, 4, 5, 0}};
    EXPECT_EQ(
        DecideOnLock("Kn\xF6pfe.fwb", found, UtcSeconds(found.holder->opened), 24).question.text,
        "Kn\xF6pfe.fwb is open by J\xFCrgen on B\xFCro-3 since 02.01.2025 03:04. "
        "Open it read-only, open it anyway, or cancel?");
}

TEST(DocumentLockPolicy, StaleLockHoursDefaultsAndTurnsOff) {
    test::MemorySettings store;
    EXPECT_EQ(ReadStaleLockHours(store), 24);
    for (const auto& [text, hours] :
         std::map<std::string, int>{{" 8 ", 8}, {"0", 0}, {"eight", 24}, {"8h", 24}, {"", 24}}) {
        store.Write("Config", "StaleLockHours", text);
        EXPECT_EQ(ReadStaleLockHours(store), hours) << text;
    }
}

} // namespace
} // namespace waybill

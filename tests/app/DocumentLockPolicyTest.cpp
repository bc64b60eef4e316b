#include "app/DocumentLockPolicy.h"

#include <gtest/gtest.h>
#include <map>

namespace waybill {
namespace {

class MapStore : public SettingsStore {
  public:
    std::string Read(std::string_view section, std::string_view key) const override {
        const auto found = values.find(std::string(section) + "/" + std::string(key));
        return found == values.end() ? std::string() : found->second;
    }
    void Write(std::string_view section, std::string_view key, std::string_view value) override {
        values[std::string(section) + "/" + std::string(key)] = value;
    }
    std::map<std::string, std::string> values;
};

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

TEST(DocumentLockPolicy, OnlyALockNoOneCanHoldIsTakenOverWithoutAQuestion) {
    const std::int64_t opened = UtcSeconds(kOpened);
    const std::string asked = "Job 24-0173.fwb is open by jsmith on WS-12 since 12.07.2025 14:03. "
                              "Open it read-only, open it anyway, or cancel?";
    const std::string old = "Job 24-0173.fwb is open by jsmith on WS-07 since 12.07.2025 14:03, "
                            "more than 24 hours ago (the lock may be left over). "
                            "Open it read-only, open it anyway, or cancel?";
    struct Case {
        const char* what;
        ForeignLock found;
        std::int64_t now;
        int staleHours;
        std::string question; // empty: taken over
    };
    const Case cases[] = {
        {"this host, process ended", Found("WS-12", true, false, true), opened + kHour, 24, ""},
        {"this process's own id", Found("WS-12", true, true, false), opened + kHour, 24, ""},
        {"this host, process runs", Found("WS-12", true, false, false), opened + kHour, 24, asked},
        {"... however old", Found("WS-12", true, false, false), opened + 99 * kHour, 24, asked},
        {"other host, recent", Found("WS-07", false, false, false), opened + 24 * kHour, 24,
         "Job 24-0173.fwb is open by jsmith on WS-07 since 12.07.2025 14:03. "
         "Open it read-only, open it anyway, or cancel?"},
        {"other host, old", Found("WS-07", false, false, false), opened + 24 * kHour + 1, 24, old},
        {"other host, clock behind", Found("WS-07", false, false, false), opened - kHour, 24,
         "Job 24-0173.fwb is open by jsmith on WS-07 since 12.07.2025 14:03. "
         "Open it read-only, open it anyway, or cancel?"},
        {"other host, old, one hour", Found("WS-07", false, false, false), opened + 2 * kHour, 1,
         "Job 24-0173.fwb is open by jsmith on WS-07 since 12.07.2025 14:03, more than 1 hour "
         "ago (the lock may be left over). Open it read-only, open it anyway, or cancel?"},
        {"other host, never old", Found("WS-07", false, false, false), opened + 999 * kHour, 0,
         "Job 24-0173.fwb is open by jsmith on WS-07 since 12.07.2025 14:03. "
         "Open it read-only, open it anyway, or cancel?"},
        {"unreadable or garbled", ForeignLock{}, opened, 24,
         "Job 24-0173.fwb is open by unknown (its lock file cannot be read). "
         "Open it read-only, open it anyway, or cancel?"},
    };
    for (const Case& c : cases) {
        const LockDecision decision = DecideOnLock("Job 24-0173.fwb", c.found, c.now, c.staleHours);
        if (c.question.empty()) {
            EXPECT_EQ(decision.step, LockStep::TakeOver) << c.what;
            continue;
        }
        EXPECT_EQ(decision.step, LockStep::Ask) << c.what;
        EXPECT_EQ(decision.question,
                  (UserMessage{c.question, "File In Use", MessageIcon::Question}))
            << c.what;
    }
}

// Saving over someone else's lock (opened anyway, or locked later) asks, naming the holder,
// however old the lock; one no one can hold is simply replaced.
TEST(DocumentLockPolicy, SavingOverAForeignLockAsksFirst) {
    const struct {
        const char* what;
        ForeignLock found;
        std::string question; // empty: taken over
    } cases[] = {
        {"this host, process ended", Found("WS-12", true, false, true), ""},
        {"this process's own id", Found("WS-12", true, true, false), ""},
        {"this host, process runs", Found("WS-12", true, false, false),
         "Job.fwb is open by jsmith on WS-12 since 12.07.2025 14:03. Save over it anyway?"},
        {"other host", Found("WS-07", false, false, false),
         "Job.fwb is open by jsmith on WS-07 since 12.07.2025 14:03. Save over it anyway?"},
        {"unreadable or garbled", ForeignLock{},
         "Job.fwb is open by unknown (its lock file cannot be read). Save over it anyway?"},
    };
    for (const auto& c : cases) {
        const LockDecision decision = DecideOnSave("Job.fwb", c.found);
        EXPECT_EQ(decision.step, c.question.empty() ? LockStep::TakeOver : LockStep::Ask) << c.what;
        EXPECT_EQ(decision.question.text, c.question) << c.what;
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
    MapStore store;
    EXPECT_EQ(ReadStaleLockHours(store), 24);
    for (const auto& [text, hours] :
         std::map<std::string, int>{{" 8 ", 8}, {"0", 0}, {"eight", 24}, {"8h", 24}, {"", 24}}) {
        store.Write("Config", "StaleLockHours", text);
        EXPECT_EQ(ReadStaleLockHours(store), hours) << text;
    }
}

} // namespace
} // namespace waybill

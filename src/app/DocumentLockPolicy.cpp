#include "app/DocumentLockPolicy.h"

#include "platform/Cp1252.h"

#include <array>
#include <cstdio>

namespace waybill {
namespace {

// The holder's own clock: "12.07.2025 14:03".
std::string ShownTime(const LockTime& t) {
    std::array<char, 40> text{};
    std::snprintf(text.data(), text.size(), "%02d.%02d.%04d %02d:%02d", t.day, t.month, t.year,
                  t.hour, t.minute);
    return text.data();
}

} // namespace

bool IsHeldBySomeone(const ForeignLock& found) {
    return !(found.holder && found.onThisHost && (found.ourProcess || found.processEnded));
}

std::string LockHolderText(std::string_view documentName, const ForeignLock& found) {
    std::string text(documentName);
    if (const auto& holder = found.holder) {
        return text + " is open by " + Utf8ToCp1252(holder->user) + " on " +
               Utf8ToCp1252(holder->host) + " since " + ShownTime(holder->opened);
    }
    return text + " is open by unknown (its lock file cannot be read)";
}

int ReadStaleLockHours(const SettingsStore& store) {
    return ReadWholeNumberSetting(store, "StaleLockHours").value_or(kDefaultStaleLockHours);
}

LockDecision DecideOnLock(std::string_view documentName, const ForeignLock& found, std::int64_t now,
                          int staleLockHours) {
    if (!IsHeldBySomeone(found)) {
        return {LockStep::TakeOver, {}};
    }
    std::string text = LockHolderText(documentName, found);
    if (found.holder && !found.onThisHost && staleLockHours > 0 &&
        now - UtcSeconds(found.holder->opened) > static_cast<std::int64_t>(staleLockHours) * 3600) {
        text += ", more than " + std::to_string(staleLockHours) +
                (staleLockHours == 1 ? " hour" : " hours") + " ago (the lock may be left over)";
    }
    text += ". Open it read-only, open it anyway, or cancel?";
    return {LockStep::Ask, {std::move(text), "File In Use", MessageIcon::Question}};
}

LockDecision DecideOnSave(std::string_view documentName, const ForeignLock& found) {
    if (!IsHeldBySomeone(found)) {
        return {LockStep::TakeOver, {}};
    }
    return {LockStep::Ask,
            {LockHolderText(documentName, found) + ". Save over it anyway?", "File In Use",
             MessageIcon::Exclamation}};
}

} // namespace waybill

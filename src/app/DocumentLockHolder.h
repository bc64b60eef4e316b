#pragma once

#include "platform/DocumentLock.h"
#include "platform/Questions.h"

#include <filesystem>
#include <optional>
#include <string>

namespace waybill {

class SettingsStore;

// The lock file an editor holds on its open document, and the questions about other people's
// locks (DocumentLockPolicy says what to ask, DocumentFiles when to lock). At most one lock is
// held; it goes when another takes its place and with the holder. Without a LockSystem nothing
// is locked and nothing asked.
class DocumentLockHolder {
  public:
    // `settings` gives StaleLockHours (none: its default).
    DocumentLockHolder(LockSystem* system, const SettingsStore* settings, Questions& questions);
    ~DocumentLockHolder();
    DocumentLockHolder(const DocumentLockHolder&) = delete;
    DocumentLockHolder& operator=(const DocumentLockHolder&) = delete;

    // What opening a document gets: a lock, or none and why; read-only or cancelled when
    // someone else holds it and the user said so.
    struct ForOpen {
        std::optional<HeldLock> held = {};
        bool readOnly = false;
        bool cancelled = false;
        std::string note = {}; // for the status bar: why there is no lock
    };
    // The lock for opening `document`: the one held when it is the same document, else a new
    // one; a stale lock is taken over, someone else's asked about (Read-Only, Open Anyway,
    // Cancel). Nothing held changes: Hold the lock once the document is opened.
    ForOpen LockForOpen(const std::filesystem::path& document);

    // Whether `document` may be written: ours still, or a lock made now (`made`: Hold it once
    // written, Release it when the write fails), or the user said to save over someone else's.
    struct ForWrite {
        bool mayWrite = false;
        std::optional<HeldLock> made = {};
    };
    ForWrite LockForWrite(const std::filesystem::path& document);

    // Whether an export may write `file`: when someone else holds it as a document, only if
    // the user says to write over it. An export takes no lock.
    bool MayExportOver(const std::filesystem::path& file);

    // `lock` becomes the one held, the one held before is released (none: only released).
    void Hold(std::optional<HeldLock> lock);
    // Removes a lock that is not held (one made for a write that failed).
    void Release(const std::optional<HeldLock>& lock) const;

  private:
    LockSystem* system_;
    const SettingsStore* settings_;
    Questions& questions_;
    std::optional<HeldLock> held_;
};

} // namespace waybill

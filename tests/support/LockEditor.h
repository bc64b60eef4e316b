#pragma once

#include "platform/DocumentLock.h"

#include <filesystem>
#include <set>
#include <string>

namespace waybill::test {

// One editor as a document lock sees it: its user, host, process and clock, the processes
// running on its host, and faults of the folder. Files go to the real file system.
class LockEditor : public LockSystem {
  public:
    LockEditor(std::string hostName, std::int64_t pid) : host(std::move(hostName)), id(pid) {
        running.insert(pid);
    }

    std::error_code CreateNew(const std::filesystem::path& path,
                              std::string_view content) override {
        if (createFault) {
            return createFault;
        }
        if (phantomLocks > 0) { // a lock that is gone by the time it is read
            --phantomLocks;
            return std::make_error_code(std::errc::file_exists);
        }
        return SystemLockCalls().CreateNew(path, content);
    }
    std::error_code Read(const std::filesystem::path& path, std::string& content) override {
        return readFault ? readFault : SystemLockCalls().Read(path, content);
    }
    std::error_code Remove(const std::filesystem::path& path) override {
        return SystemLockCalls().Remove(path);
    }
    std::string UserName() override { return user; }
    std::string HostName() override { return host; }
    std::int64_t ProcessId() override { return id; }
    bool ProcessRuns(std::int64_t pid) override {
        ++processQuestions;
        return running.contains(pid);
    }
    LockTime Now() override { return now; }

    std::string user = "jsmith";
    std::string host;
    std::int64_t id;
    LockTime now{2025, 7, 12, 14, 3, 27, 120};
    std::set<std::int64_t> running;
    std::error_code createFault;
    std::error_code readFault;
    int phantomLocks = 0;
    int processQuestions = 0;
};

} // namespace waybill::test

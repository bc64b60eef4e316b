#pragma once

#include "platform/AtomicFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace waybill::test {

namespace fs = std::filesystem;

enum class Step { None, Create, Write, Flush, Close, Permissions, Rename, OpenExisting, WriteAt };

// The system's calls, except that one step fails: a write that fails has written half its
// bytes first, as on a disk that fills up. A folder's answer to Create may be given besides.
// Writes in place are recorded.
class FailingCalls final : public FileSystemCalls {
  public:
    explicit FailingCalls(Step failing, std::optional<std::errc> createError = std::nullopt)
        : failing_(failing), createError_(createError) {
        if (failing == Step::Create && !createError_) {
            createError_ = std::errc::permission_denied;
        }
    }

    std::error_code Create(const fs::path& path, int& handle) override {
        return createError_ ? Fail(*createError_) : real_.Create(path, handle);
    }
    std::error_code OpenExisting(const fs::path& path, int& handle) override {
        return failing_ == Step::OpenExisting ? Fail(std::errc::permission_denied)
                                              : real_.OpenExisting(path, handle);
    }
    std::error_code WriteAt(int handle, std::uint64_t offset, std::string_view bytes) override {
        if (failing_ == Step::WriteAt) {
            return Fail(std::errc::io_error);
        }
        writes.emplace_back(offset, std::string(bytes));
        return real_.WriteAt(handle, offset, bytes);
    }
    std::error_code Write(int handle, std::string_view bytes) override {
        if (failing_ == Step::Write) {
            real_.Write(handle, bytes.substr(0, bytes.size() / 2));
            return Fail(std::errc::no_space_on_device);
        }
        return real_.Write(handle, bytes);
    }
    std::error_code Flush(int handle) override {
        ++flushes;
        return failing_ == Step::Flush ? Fail(std::errc::io_error) : real_.Flush(handle);
    }
    std::error_code Close(int handle) override {
        const std::error_code closed = real_.Close(handle);
        return failing_ == Step::Close ? Fail(std::errc::io_error) : closed;
    }
    std::error_code CopyPermissions(const fs::path& like, const fs::path& path) override {
        return failing_ == Step::Permissions ? Fail(std::errc::operation_not_permitted)
                                             : real_.CopyPermissions(like, path);
    }
    std::error_code Rename(const fs::path& from, const fs::path& to) override {
        return failing_ == Step::Rename ? MakeErrorCode(ReplaceRefusal::InUse)
                                        : real_.Rename(from, to);
    }
    void Remove(const fs::path& path) override { real_.Remove(path); }

    std::vector<std::pair<std::uint64_t, std::string>> writes; // in place: offset and bytes
    int flushes = 0;

  private:
    static std::error_code Fail(std::errc error) { return std::make_error_code(error); }

    FileSystemCalls& real_ = SystemFileCalls();
    Step failing_;
    std::optional<std::errc> createError_;
};

} // namespace waybill::test

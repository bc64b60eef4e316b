#include "platform/AtomicFile.h"

#include "../model/TempDir.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using namespace std::string_literals;

enum class Step { None, Create, Write, Flush, Close, Permissions, Rename };

// The system's calls, except that one step fails: a write that fails has written half its
// bytes first, as on a disk that fills up.
class FailingCalls final : public FileSystemCalls {
  public:
    explicit FailingCalls(Step failing) : failing_(failing) {}

    std::error_code Create(const fs::path& path, int& handle) override {
        return failing_ == Step::Create ? Fail(std::errc::permission_denied)
                                        : real_.Create(path, handle);
    }
    std::error_code Write(int handle, std::string_view bytes) override {
        if (failing_ == Step::Write) {
            real_.Write(handle, bytes.substr(0, bytes.size() / 2));
            return Fail(std::errc::no_space_on_device);
        }
        return real_.Write(handle, bytes);
    }
    std::error_code Flush(int handle) override {
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
        return failing_ == Step::Rename ? Fail(std::errc::cross_device_link)
                                        : real_.Rename(from, to);
    }
    void Remove(const fs::path& path) override { real_.Remove(path); }

  private:
    static std::error_code Fail(std::errc error) { return std::make_error_code(error); }

    FileSystemCalls& real_ = SystemFileCalls();
    Step failing_;
};

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

class AtomicFileFailure : public testing::TestWithParam<Step> {};

TEST_P(AtomicFileFailure, LeavesTheOldFileAsItWasAndNoTemporaryBehind) {
    TempDir dir;
    const std::string old = "precious\r\nbytes\0 kept"s;
    const auto path = dir.Write("job.fwb", old);
    FailingCalls calls(GetParam());
    const std::string failure = WriteFileAtomically(path, std::string(100000, 'x'), calls);
    EXPECT_FALSE(failure.empty());
    EXPECT_EQ(TempDir::Read(path), old);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"job.fwb"});

    // A new file is not created either.
    EXPECT_FALSE(WriteFileAtomically(dir / "new.fwb", "x", calls).empty());
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"job.fwb"});
}

std::string StepName(const testing::TestParamInfo<Step>& info) {
    static const char* const kNames[] = {"None",  "Create",      "DiskFull", "Flush",
                                         "Close", "Permissions", "Rename"};
    return kNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EachStep, AtomicFileFailure,
                         testing::Values(Step::Create, Step::Write, Step::Flush, Step::Close,
                                         Step::Permissions, Step::Rename),
                         StepName);

TEST(AtomicFile, ReplacesTheFileInsteadOfWritingIntoIt) {
    TempDir dir;
    const auto path = dir.Write("job.fwb", "old");
    fs::create_hard_link(path, dir / "link.fwb");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
                    fs::perm_options::replace);
    FailingCalls calls(Step::None);
    ASSERT_EQ(WriteFileAtomically(path, "new", calls), "");
    EXPECT_EQ(TempDir::Read(path), "new");
    EXPECT_EQ(TempDir::Read(dir / "link.fwb"), "old");
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Names(dir.Path()).size(), 2u);
}

TEST(AtomicFile, ASymbolicLinkIsKeptAndItsFileReplaced) {
    TempDir dir;
    const auto real = dir.Write("real.fwb", "old");
    fs::create_symlink(real, dir / "link.fwb");
    ASSERT_EQ(WriteFileAtomically(dir / "link.fwb", "new"), "");
    EXPECT_TRUE(fs::is_symlink(dir / "link.fwb"));
    EXPECT_EQ(TempDir::Read(real), "new");
}

} // namespace
} // namespace waybill

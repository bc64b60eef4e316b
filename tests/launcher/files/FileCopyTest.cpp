#include "files/FileCopy.h"

#include "FilesFixture.h"

namespace waybill::launcher {
namespace {

namespace fs = std::filesystem;

enum class Step { None, Create, Write, Flush, Close, Permissions, Rename };

// The system's calls, except that one step fails; a failing write has written part of its
// bytes first, as on a disk that fills up.
class FailingCalls final : public CopyCalls {
  public:
    explicit FailingCalls(Step failing) : failing_(failing) {}
    std::optional<int> Create(const fs::path& path) override {
        return failing_ == Step::Create ? std::nullopt : real_.Create(path);
    }
    bool Write(int handle, std::string_view bytes) override {
        if (failing_ == Step::Write) {
            real_.Write(handle, bytes.substr(0, bytes.size() / 2));
            return false;
        }
        return real_.Write(handle, bytes);
    }
    bool Flush(int handle) override { return failing_ != Step::Flush && real_.Flush(handle); }
    bool Close(int handle) override { return real_.Close(handle) && failing_ != Step::Close; }
    bool SetPermissions(const fs::path& path, fs::perms permissions) override {
        return failing_ != Step::Permissions && real_.SetPermissions(path, permissions);
    }
    bool Rename(const fs::path& from, const fs::path& to) override {
        return failing_ != Step::Rename && real_.Rename(from, to);
    }

  private:
    CopyCalls& real_ = SystemCopyCalls();
    Step failing_;
};

class FileCopyTest : public FilesTest {
  protected:
    void SetUp() override {
        FilesTest::SetUp();
        Write("source/lib.so", std::string(200000, 'n'));
        Write("install/lib.so", "old installed bytes");
    }
};

class FileCopyFailure : public FileCopyTest, public testing::WithParamInterface<Step> {};

TEST_P(FileCopyFailure, LeavesTheInstalledFileAsItWasAndNoTemporaryBehind) {
    FailingCalls calls(GetParam());
    EXPECT_FALSE(CopyFileOver(Path("source/lib.so"), Path("install/lib.so"), calls));
    EXPECT_EQ(Read("install/lib.so"), "old installed bytes");
    EXPECT_EQ(Names("install"), std::vector<std::string>{"lib.so"});

    EXPECT_FALSE(CopyFileOver(Path("source/lib.so"), Path("install/new.so"), calls));
    EXPECT_EQ(Names("install"), std::vector<std::string>{"lib.so"});
}

std::string StepName(const testing::TestParamInfo<Step>& info) {
    static const char* const kNames[] = {"None",  "Create",      "DiskFull", "Flush",
                                         "Close", "Permissions", "Rename"};
    return kNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EachStep, FileCopyFailure,
                         testing::Values(Step::Create, Step::Write, Step::Flush, Step::Close,
                                         Step::Permissions, Step::Rename),
                         StepName);

TEST_F(FileCopyTest, ReplacesTheFileWithTheSourcePermissionsInsteadOfWritingIntoIt) {
    fs::create_hard_link(Path("install/lib.so"), Path("install/link.so"));
#ifndef _WIN32
    const fs::perms permissions = fs::perms::owner_read | fs::perms::owner_write |
                                  fs::perms::owner_exec | fs::perms::group_read;
    fs::permissions(Path("source/lib.so"), permissions);
#endif
    FailingCalls calls(Step::None);
    ASSERT_TRUE(CopyFileOver(Path("source/lib.so"), Path("install/lib.so"), calls));
    EXPECT_EQ(Read("install/lib.so"), std::string(200000, 'n'));
    EXPECT_EQ(Read("install/link.so"), "old installed bytes");
#ifndef _WIN32
    EXPECT_EQ(fs::status(Path("install/lib.so")).permissions(), permissions);
#endif
    EXPECT_EQ(Names("install"), (std::vector<std::string>{"lib.so", "link.so"}));
}

// Windows keeps a read-only mark for permissions, and a read-only copy would refuse the next
// release.
TEST_F(FileCopyTest, ACopyOfAReadOnlyReleaseStaysWritableOnWindows) {
#ifndef _WIN32
    GTEST_SKIP() << "elsewhere the copy keeps the release's permissions";
#else
    fs::permissions(Path("source/lib.so"), fs::perms::all & ~fs::perms::owner_write);
    ASSERT_TRUE(CopyFileOver(Path("source/lib.so"), Path("install/lib.so")));
    EXPECT_NE(fs::status(Path("install/lib.so")).permissions() & fs::perms::owner_write,
              fs::perms::none);
    fs::permissions(Path("source/lib.so"), fs::perms::owner_write, fs::perm_options::add);
#endif
}

TEST_F(FileCopyTest, NothingButARegularFileIsCopied) {
    EXPECT_FALSE(CopyFileOver(Path("source"), Path("install/lib.so")));
    EXPECT_FALSE(CopyFileOver(Path("source/gone.so"), Path("install/lib.so")));
    EXPECT_EQ(Read("install/lib.so"), "old installed bytes");
}

} // namespace
} // namespace waybill::launcher

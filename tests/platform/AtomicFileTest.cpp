#include "platform/AtomicFile.h"

#include "FailingFileCalls.h"
#include "support/PosixFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <optional>

#ifdef _WIN32
#include <windows.h>
#endif

namespace waybill {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using namespace std::string_literals;

using test::FailingCalls;
using test::Step;

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
    if (GetParam() == Step::Rename) {
        EXPECT_EQ(failure, "The file is open in another program");
    }
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
    const fs::perms kept = fs::status(path).permissions(); // as far as the system keeps them
#ifdef _WIN32
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
#endif
    FailingCalls calls(Step::None);
    ASSERT_EQ(WriteFileAtomically(path, "new", calls), "");
    EXPECT_EQ(TempDir::Read(path), "new");
    EXPECT_EQ(TempDir::Read(dir / "link.fwb"), "old");
    EXPECT_EQ(fs::status(path).permissions(), kept);
#ifdef _WIN32
    EXPECT_EQ(GetFileAttributesW(path.c_str()),
              DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE});
#endif
    EXPECT_EQ(Names(dir.Path()).size(), 2u);
}

// A file marked read-only, and on Windows one another program holds open, is refused in
// plain words; it keeps its bytes and its mark, and nothing is left beside it.
TEST(AtomicFile, ARefusedTargetStaysAsItWas) {
    TempDir dir;
    const auto path = dir.Write("job.fwb", "old");
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_EQ(WriteFileAtomically(path, "new"), "The file is read-only");
    FailingCalls noNewFiles(Step::Create); // nor is it written in place
    EXPECT_EQ(UpdateFile(path, "old", "new!", noNewFiles), "The file is read-only");
    EXPECT_EQ(TempDir::Read(path), "old");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::owner_write, fs::perms::none);
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
#ifdef _WIN32
    const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(WriteFileAtomically(path, "new"), "The file is open in another program");
    CloseHandle(held);
    EXPECT_EQ(TempDir::Read(path), "old");
#endif
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"job.fwb"});
}

TEST(AtomicFile, ASymbolicLinkIsKeptAndItsFileReplaced) {
    SKIP_WITHOUT_POSIX_FILES();
    TempDir dir;
    const auto real = dir.Write("real.fwb", "old");
    fs::create_symlink(real, dir / "link.fwb");
    ASSERT_EQ(WriteFileAtomically(dir / "link.fwb", "new"), "");
    EXPECT_TRUE(fs::is_symlink(dir / "link.fwb"));
    EXPECT_EQ(TempDir::Read(real), "new");
}

// A share on which users may change files but not add any refuses the temporary file; the
// file is then written in place, where that loses nothing.
TEST(AtomicFile, UpdateWritesInPlaceOnlyWhereTheFolderRefusesNewFiles) {
    using Writes = std::vector<std::pair<std::uint64_t, std::string>>;
    struct Case {
        const char* what;
        std::optional<std::errc> folderAnswer; // to the temporary file's creation
        Step failing;                          // a later step
        std::string content;
        bool written;
        Writes inPlace;
    };
    const auto refused = std::errc::permission_denied;
    const std::string changed = "record-A|record-b|record-C|";
    const Writes changes = {{16, "b"}, {18, "record-C|"}};
    // clang-format off
    const Case cases[] = {
        {"a folder that allows new files: replaced whole", {}, Step::None, changed, true, {}},
        {"a refusal: the changed and the added bytes", refused, Step::None, changed, true, changes},
        {"a refusal in other words", std::errc::operation_not_permitted, Step::None, changed, true,
         changes},
        {"a full disk is no refusal", std::errc::no_space_on_device, Step::None, changed, false,
         {}},
        {"a shorter content would need the file cut", refused, Step::None, "record-A|", false, {}},
        {"a file that may not be written either", refused, Step::OpenExisting, changed, false, {}},
        {"a write in place that fails", refused, Step::WriteAt, changed, false, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string old = "record-A|record-B|";
        const auto path = dir.Write("Spcptrns.dat", old);
        fs::create_hard_link(path, dir / "same.dat"); // sees writes into the file only
        FailingCalls calls(c.failing, c.folderAnswer);
        EXPECT_EQ(UpdateFile(path, old, c.content, calls).empty(), c.written);
        EXPECT_EQ(TempDir::Read(path), c.written ? c.content : old);
        EXPECT_EQ(calls.writes, c.inPlace);
        EXPECT_EQ(TempDir::Read(dir / "same.dat"), c.inPlace.empty() ? old : c.content);
        EXPECT_EQ(Names(dir.Path()).size(), 2u);
        if (!c.inPlace.empty()) {
            EXPECT_EQ(calls.flushes, 1);
        }
    }

    // Refused in the folder, a file that is not there yet cannot be written in place.
    TempDir dir;
    FailingCalls calls(Step::Create);
    EXPECT_EQ(UpdateFile(dir / "Spcptrns.dat", "", "new", calls),
              std::make_error_code(std::errc::permission_denied).message());
    EXPECT_TRUE(Names(dir.Path()).empty());
}

} // namespace
} // namespace waybill

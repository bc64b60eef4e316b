#include "platform/TextFile.h"

#include "support/PosixFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::TempDir;

// Every byte comes back as stored, whatever the size: nothing, one byte, and sizes around
// the 64 KiB chunk the reader goes on with when the file holds more than it said.
TEST(ReadWholeFile, ReturnsEveryByteAtAnySize) {
    TempDir dir;
    for (const std::size_t size : {0u, 1u, 65535u, 65536u, 65537u, 300000u}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<char>(i * 7 % 256); // NULs, CR, LF and high bytes too
        }
        const auto read = ReadWholeFile(dir.Write("f" + std::to_string(size), bytes));
        ASSERT_TRUE(read.has_value()) << size;
        EXPECT_EQ(*read, bytes) << size;
    }
}

// A pipe or a device is never opened (it could wait for ever, or never end); the message
// about a file that cannot be read then says what it is.
TEST(ReadWholeFile, GivesNothingButARegularFileAndSaysWhatItIs) {
    TempDir dir;
    const auto file = dir.Write("doc.fwb", "VB WAYBILL");
    EXPECT_EQ(ReadWholeFile(file, 2), "VB");
    EXPECT_EQ(NotAFileNote(file), "");
    EXPECT_FALSE(ReadWholeFile(dir / "missing.fwb").has_value());
    EXPECT_EQ(NotAFileNote(dir / "missing.fwb"), "");
    EXPECT_FALSE(ReadWholeFile(dir.Path()).has_value());
    EXPECT_EQ(NotAFileNote(dir.Path()), " It is a folder, not a file.");

    SKIP_WITHOUT_POSIX_FILES();
    const auto pipe = dir / "pipe.fwb";
    ASSERT_TRUE(test::MakePipe(pipe));
    EXPECT_FALSE(ReadWholeFile(pipe).has_value());
    EXPECT_EQ(NotAFileNote(pipe), " It is a pipe, not a file.");
    EXPECT_FALSE(ReadWholeFile("/dev/null").has_value());
    EXPECT_EQ(NotAFileNote("/dev/null"), " It is a device, not a file.");
    // A link is followed to what it names.
    std::filesystem::create_symlink(file, dir / "link.fwb");
    EXPECT_EQ(ReadWholeFile(dir / "link.fwb"), "VB WAYBILL");
}

#ifdef __linux__
// A file whose size says nothing of its content is read to its end all the same.
TEST(ReadWholeFile, ReadsAFileThatReportsNoSize) {
    const auto read = ReadWholeFile("/proc/self/status");
    ASSERT_TRUE(read.has_value());
    EXPECT_NE(read->find("Name:"), std::string::npos);
}
#endif

} // namespace
} // namespace waybill

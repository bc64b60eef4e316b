#include "tensile/PatternsFile.h"

#include "export/ExportBook.h"
#include "platform/Cp1252.h"
#include "support/TempDir.h"
#include "tensile/PunchExport.h"

#include <bit>
#include <cstdint>
#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::TempDir;

constexpr const char* kTemplates = ":end-holes\nWEB, 1.375, 9/16\n"
                                   ":e-lead-opt\n[end-holes]\nWEB, 25.375, 9/16\n"
                                   ":e-tail-opt\n[end-holes]\n"
                                   ":b-tail-opt\nWEB, 4.5, 9/16\nWEB, 17.25, 9/16\n";

float FloatAt(const std::string& file, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(file[offset + k])) << (8 * k);
    }
    return std::bit_cast<float>(bits);
}

// One record read back: its name and every section entry as (code, position).
struct Record {
    std::string name;
    float length;
    int quantity;
    std::vector<std::pair<float, float>> lead, tail;
    bool zerosElsewhere = true;

    explicit Record(const std::string& file, std::size_t index = 0) {
        const std::string r = file.substr(index * kPatternRecordSize, kPatternRecordSize);
        name = r.substr(0, kPatternNameSize);
        length = FloatAt(r, kLengthOffset);
        quantity = static_cast<unsigned char>(r[28]) | static_cast<unsigned char>(r[29]) << 8;
        const auto section = [&](std::size_t count, std::size_t codes, std::size_t positions) {
            std::vector<std::pair<float, float>> entries;
            for (std::size_t k = 0; k < kSectionEntries; ++k) {
                const std::pair<float, float> entry{FloatAt(r, codes + 4 * k),
                                                    FloatAt(r, positions + 4 * k)};
                if (k < static_cast<std::size_t>(FloatAt(r, count))) {
                    entries.push_back(entry);
                } else {
                    zerosElsewhere = zerosElsewhere && entry == std::pair<float, float>{};
                }
            }
            return entries;
        };
        lead = section(kLeadCountOffset, kLeadCodeOffset, kLeadPosOffset);
        tail = section(kTailCountOffset, kTailCodeOffset, kTailPosOffset);
        // The third lead array, the unused second section and the third tail array.
        for (std::size_t offset : {546u, 802u, 2090u}) {
            const std::size_t end = offset == 802u ? 1574u : offset + 256u;
            zerosElsewhere = zerosElsewhere && r.find_first_not_of('\0', offset) >= end;
        }
    }
};

std::vector<std::pair<float, float>> Holes(std::vector<float> positions) {
    std::vector<std::pair<float, float>> entries;
    for (float p : positions) {
        entries.push_back({97, p});
        entries.push_back({98, p});
    }
    return entries;
}

PatternsUpdate Update(const std::string& old, PunchExportList list,
                      const char* templates = kTemplates) {
    auto result = UpdatePatternsFile(old, list, ReadPunchTemplates(templates));
    if (auto* why = std::get_if<std::string>(&result)) {
        ADD_FAILURE() << *why;
        return {};
    }
    return std::get<PatternsUpdate>(result);
}

TEST(PatternsFile, RecordFromTemplatesFieldByField) {
    const PatternsUpdate update = Update(
        "",
        {"j-7", {{"Zq1", 300, 240.5f, "E", "b", {60, 126.5f}}, {"Z2", 2, 100, "NP", "np", {}}}});
    ASSERT_EQ(update.file.size(), 2 * kPatternRecordSize);
    const Record first(update.file, 0);
    EXPECT_EQ(first.name, std::string("J-7Zq1\0", 7) + std::string(17, ' '));
    EXPECT_EQ(first.length, 240.5f);
    EXPECT_EQ(first.quantity, 300);
    EXPECT_EQ(first.lead, Holes({1.375f, 25.375f, 60, 126.5f}));
    EXPECT_EQ(first.tail, Holes({4.5f, 17.25f}));
    EXPECT_TRUE(first.zerosElsewhere);

    const Record second(update.file, 1);
    EXPECT_TRUE(second.lead.empty());
    EXPECT_TRUE(second.tail.empty());
    EXPECT_TRUE(second.zerosElsewhere);

    // 23 characters of job and mark leave the NUL in the last place; longer names are cut.
    EXPECT_EQ(PatternName("job1234567", "mark-1234567X"),
              "JOB1234567mark-1234567X" + std::string(1, '\0'));
    EXPECT_EQ(PatternName("job1234567", "mark-1234567XY"), "JOB1234567mark-1234567XY");
    EXPECT_EQ(PatternKey(PatternName("j", "m")), "Jm");
}

TEST(PatternsFile, SameNameIsOverwrittenInPlaceOthersAppended) {
    PatternsUpdate first =
        Update("", {"J", {{"A", 1, 100, "E", "E", {}}, {"B", 1, 100, "E", "E", {}}}});
    std::string foreign(kPatternRecordSize, 'x');
    foreign.replace(0, 24, PatternName("OTHER", "A"));
    const std::string old = first.file + foreign;

    const PatternsUpdate second =
        Update(old, {"j", {{"b", 5, 200, "NP", "NP", {}}, {"C", 1, 100, "NP", "NP", {}}}});
    EXPECT_EQ(second.updated, 1);
    EXPECT_EQ(second.appended, 1);
    ASSERT_EQ(second.file.size(), 4 * kPatternRecordSize);
    EXPECT_EQ(second.file.substr(0, kPatternRecordSize), old.substr(0, kPatternRecordSize));
    EXPECT_EQ(Record(second.file, 1).name, PatternName("J", "b"));
    EXPECT_EQ(Record(second.file, 1).length, 200);
    EXPECT_EQ(second.file.substr(2 * kPatternRecordSize, kPatternRecordSize), foreign);
    EXPECT_EQ(Record(second.file, 3).name, PatternName("J", "C"));

    // Exporting the same members again changes nothing.
    EXPECT_EQ(
        Update(second.file, {"j", {{"b", 5, 200, "NP", "NP", {}}, {"C", 1, 100, "NP", "NP", {}}}})
            .file,
        second.file);
}

TEST(PatternsFile, TooManyLeadPunchesLeavesTheMemberOut) {
    std::string templates = ":wide-lead-opt\n";
    for (int k = 1; k <= 30; ++k) {
        templates += "WEB, " + std::to_string(k) + ", 1\n";
    }
    const PatternsUpdate update = Update("",
                                         {"J",
                                          {{"FULL", 1, 500, "wide", "NP", {100, 200}},
                                           {"OVER", 1, 500, "WIDE", "NP", {100, 200, 300}}}},
                                         templates.c_str());
    EXPECT_EQ(update.file.size(), kPatternRecordSize);
    EXPECT_EQ(Record(update.file).lead.size(), 64u);
    EXPECT_EQ(update.tooManyLeadPunches, std::vector<std::string>{"JOVER"});
    EXPECT_EQ(TooManyLeadPunchesMessage(update.tooManyLeadPunches).text,
              "The following members had too many lead punches and were:\rnot exported:\rJOVER\r"
              "There is a maximum of 32 pairs of holes that can be defined.\r"
              "This means that for an E lead punch, you can define at\rmost 20 \"A\" Dims.");
}

TEST(PatternsFile, RefusedUpdatesSayWhy) {
    const auto why = [](const std::string& old, PunchExportList list) {
        auto result = UpdatePatternsFile(old, list, ReadPunchTemplates(kTemplates));
        return std::holds_alternative<std::string>(result) ? std::get<std::string>(result) : "";
    };
    EXPECT_EQ(why(std::string(kPatternRecordSize + 1, '\0'), {"J", {}}),
              "The file is not a special patterns file: its size is not a whole number of "
              "2346-byte records.");
    EXPECT_EQ(why("", {"J", {{"M", 1, 100, "C", "NP", {}}}}),
              "Punch template \"c-lead-opt\" not found in PunchTemplates.txt.");
    // Holes the templates put past the member's end.
    EXPECT_EQ(why("", {"J", {{"M", 1, 20, "E", "NP", {}}}}),
              "Punch template \"e-lead-opt\" has a hole position beyond the end of member M "
              "(1'-8 long): WEB, 25.375, 9/16");
    EXPECT_EQ(why("", {"J", {{"M", 1, 1, "NP", "e", {}}}}),
              "Punch template \"end-holes\" (included in \"e-tail-opt\") has a hole position "
              "beyond the end of member M (0'-1 long): WEB, 1.375, 9/16");
    EXPECT_EQ(why("", {"J", {{"M", 1, 25.375f, "E", "NP", {}}}}), "");
    EXPECT_EQ(why("", {"J1234567890",
                       {{"ABCDEFGHIJKLM1", 1, 100, "NP", "NP", {}},
                        {"ABCDEFGHIJKLM2", 1, 100, "NP", "NP", {}}}}),
              "Part marks \"ABCDEFGHIJKLM1\" and \"ABCDEFGHIJKLM2\" give the same name "
              "\"J1234567890ABCDEFGHIJKLM\" in the special patterns file.");
}

// A share on which users may change files but not add any: the folder refuses the temporary
// file of an atomic replacement.
class NoNewFiles final : public FileSystemCalls {
  public:
    std::error_code Create(const std::filesystem::path&, int&) override {
        return std::make_error_code(std::errc::permission_denied);
    }
    std::error_code OpenExisting(const std::filesystem::path& path, int& handle) override {
        return real_.OpenExisting(path, handle);
    }
    std::error_code Write(int handle, std::string_view bytes) override {
        return real_.Write(handle, bytes);
    }
    std::error_code WriteAt(int handle, std::uint64_t offset, std::string_view bytes) override {
        return real_.WriteAt(handle, offset, bytes);
    }
    std::error_code Flush(int handle) override { return real_.Flush(handle); }
    std::error_code Close(int handle) override { return real_.Close(handle); }
    std::error_code CopyPermissions(const std::filesystem::path& like,
                                    const std::filesystem::path& path) override {
        return real_.CopyPermissions(like, path);
    }
    std::error_code Rename(const std::filesystem::path& from,
                           const std::filesystem::path& to) override {
        return real_.Rename(from, to);
    }
    void Remove(const std::filesystem::path& path) override { real_.Remove(path); }

  private:
    FileSystemCalls& real_ = SystemFileCalls();
};

// The whole export from a document; a failure leaves the patterns file as it was.
class PunchExportFiles : public ::testing::Test {
  protected:
    Book book =
        test::OnePageBook("zee00-01", "",
                          {"GRID: hte", "|Z|M1|2|20'|E|||||||E|5|", "|Z|M2|1|20'|E|||||||B|5|",
                           "ATTRIBLK: zee00", "|8|2|4|2|8 x 14GA|M|S|"});
    TempDir dir;
    std::filesystem::path templates = dir.Write("PunchTemplates.txt", kTemplates);
    std::filesystem::path dat = dir / "Spcptrns.dat";

    std::variant<PunchExportDone, ExportFailure>
    Export(PunchSelection selection = PunchSelection::All) {
        return ExportPunches(book, selection, templates, dat);
    }
};

TEST_F(PunchExportFiles, CreatesThenUpdatesInPlaceWhereTheFolderRefusesNewFiles) {
    EXPECT_EQ(std::get<PunchExportDone>(Export()).appended, 2);
    const std::string once = TempDir::Read(dat);
    EXPECT_EQ(once.size(), 2 * kPatternRecordSize);
    EXPECT_EQ(Record(once, 1).name, PatternName("J100", "M2"));
    const auto only = std::get<PunchExportDone>(Export(PunchSelection::Only));
    EXPECT_EQ(std::pair(only.updated, only.appended), std::pair(1, 0));
    EXPECT_EQ(TempDir::Read(dat), once);

    // A second name for the file shows whether it was written into or replaced.
    std::filesystem::create_hard_link(dat, dir / "same.dat");
    std::filesystem::copy_file(dat, dir / "atomic.dat");
    book.GetPage(1).PageData[2] = "|Z|M2|3|21'|E|||||||B|5|";
    book.GetPage(1).PageData.insert(book.GetPage(1).PageData.begin() + 3,
                                    "|Z|M3|1|20'|NP|||||||NP|5|");

    NoNewFiles calls;
    const auto done =
        std::get<PunchExportDone>(ExportPunches(book, PunchSelection::All, templates, dat, calls));
    EXPECT_EQ(done.updated, 2);
    EXPECT_EQ(done.appended, 1);
    ASSERT_TRUE(std::holds_alternative<PunchExportDone>(
        ExportPunches(book, PunchSelection::All, templates, dir / "atomic.dat")));
    EXPECT_EQ(TempDir::Read(dat), TempDir::Read(dir / "atomic.dat"));
    EXPECT_EQ(TempDir::Read(dir / "same.dat"), TempDir::Read(dat));
}

TEST_F(PunchExportFiles, AnyFailureLeavesTheFileAsItWas) {
    const std::string old = std::string(kPatternRecordSize, 'o');
    dir.Write("Spcptrns.dat", old);
    const auto failure = [&] { return std::get<ExportFailure>(Export()).message; };

    book.GetPage(1).PageData[2] = "|Z|M2|1|20'|C|||||||B|5|"; // no c-lead-opt template
    EXPECT_EQ(failure().text, PathText(dat) + ": Punch template \"c-lead-opt\" not found in "
                                              "PunchTemplates.txt.");
    EXPECT_EQ(TempDir::Read(dat), old);

    book.GetPage(1).PageData[2] = "|Z|M1|1|20'|E|||||||B|5|";
    EXPECT_EQ(failure().text, "Part mark already exists.");
    book.GetPage(1).PageData[2] = "|Z|M2|1|1'|E|||||||B|5|";
    EXPECT_EQ(failure().caption, "Error");
    book.GetPage(1).PageData = {"GRID: hte"};
    EXPECT_EQ(failure(), (UserMessage{"No hi-tensile members found to export.",
                                      "No Hi-Tensile Members", MessageIcon::Exclamation}));
    book.JobNumber = "";
    EXPECT_EQ(failure().caption, "Missing Job Number");
    EXPECT_EQ(TempDir::Read(dat), old);

    book.JobNumber = "J100";
    book.GetPage(1).PageData = {"GRID: hte", "|Z|M1|2|20'|E|||||||E|5|"};
    templates = dir / "missing.txt";
    EXPECT_EQ(failure().text, "Cannot read the punch templates file " + PathText(templates) + ".");
    EXPECT_EQ(TempDir::Read(dat), old);

    // The patterns file's place taken by a folder, or a folder that does not exist.
    templates = dir / "PunchTemplates.txt";
    dat = dir / "folder";
    std::filesystem::create_directory(dat);
    EXPECT_EQ(failure().caption, "Error");
    EXPECT_TRUE(std::filesystem::is_empty(dat));
    dat = dir / "missing" / "Spcptrns.dat";
    EXPECT_EQ(failure().caption, "Error");
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

} // namespace
} // namespace waybill

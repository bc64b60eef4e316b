#include "refdb/ReferenceDatabase.h"
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace waybill {
namespace {

namespace fs = std::filesystem;

constexpr const char* kGrids = R"sql(
    CREATE TABLE Grids(GridName TEXT, Columns INTEGER, Rows INTEGER, Left REAL, Top REAL,
                       RowHeight REAL);
    INSERT INTO Grids VALUES('CABLE', 9, 12, 0.5, 1, 0.25), ('cable', 3, 1, 0, 0, 0),
                             ('hed', 4, 0, 2, 3.5, NULL);
)sql";

class ReferenceDatabaseTest : public ::testing::Test {
  protected:
    fs::path Build(const std::string& sql) {
        sqlite3* db = nullptr;
        const std::u8string name = path_.u8string();
        EXPECT_EQ(sqlite3_open(reinterpret_cast<const char*>(name.c_str()), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        return path_;
    }
    std::unique_ptr<ReferenceDatabase> Open(const std::string& sql) {
        auto opened = OpenReferenceDatabase(Build(std::string(kGrids) + sql));
        EXPECT_EQ(opened.error, "");
        return std::move(opened.database);
    }

    const test::TempDir folder_;
    const fs::path path_ = folder_ / "ref.db";
};

TEST_F(ReferenceDatabaseTest, FieldsReadWithTheirStoredTypesInStoredRowOrder) {
    const auto db = Open(R"sql(
        CREATE TABLE CABLE(Width REAL, Align INTEGER, Label TEXT NULL);
        CREATE INDEX byLabel ON CABLE(Label);
        INSERT INTO CABLE(rowid, Width, Align, Label)
            VALUES(3, 0.75, 2, NULL), (1, 1, 4, 'QTY'), (2, 2, 5, '4' || char(201));
        CREATE TABLE enddam(DEF_VAL TEXT); INSERT INTO enddam VALUES(CAST(X'34C9' AS TEXT));
    )sql");
    const auto rows = db->ReadTable("CABLE");
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->RowCount(), 3u);
    EXPECT_EQ(rows->FieldNames(), (std::vector<std::string>{"Width", "Align", "Label"}));
    EXPECT_EQ(rows->Value(0, "Width"), FieldValue(1.0)); // whole number in a REAL column
    EXPECT_EQ(rows->Value(0, "Align"), FieldValue(std::int64_t{4}));
    EXPECT_EQ(rows->Value(0, "Label"), FieldValue(std::string("QTY")));
    EXPECT_EQ(rows->Text(1, "Label"), "4\xC9"); // U+00C9 stored as UTF-8 reads as Windows-1252
    EXPECT_EQ(db->ReadTable("enddam")->Text(0, "DEF_VAL"), "4\xC9"); // an 8-bit byte as it is
    EXPECT_TRUE(std::holds_alternative<std::monostate>(rows->Value(2, "Label")));
}

// Names ignore letter case; a name is looked up, never put into SQL as given.
TEST_F(ReferenceDatabaseTest, TableNamesIgnoreLetterCaseAndAreNeverExecuted) {
    const auto db = Open(R"sql(
        CREATE TABLE Trim20(Prompt TEXT); INSERT INTO Trim20 VALUES('Girth');
        CREATE TABLE "it's ""odd"""(Prompt TEXT);
        INSERT INTO "it's ""odd""" VALUES('quoted');
    )sql");
    EXPECT_TRUE(db->HasTable("TRIM20"));
    EXPECT_EQ(db->ReadTable("tRiM20").value().Text(0, "prompt"), "Girth");
    EXPECT_EQ(db->ReadTable(R"(It's "ODD")").value().Text(0, "Prompt"), "quoted");
    EXPECT_FALSE(db->ReadTable(R"(Grids"; DROP TABLE Grids; --)"));
    EXPECT_FALSE(db->ReadTable("Grids WHERE 0"));
    EXPECT_FALSE(db->ReadTable("nosuch"));
    EXPECT_FALSE(db->ReadTable(std::string("Grids\0x", 7)));
    EXPECT_EQ(db->ReadTable("GRIDS").value().RowCount(), 3u);
    // The first stored match of a grid name wins.
    const auto cable = db->FindGrid("Cable");
    ASSERT_TRUE(cable);
    EXPECT_EQ(cable->GridName, "CABLE");
    EXPECT_FLOAT_EQ(cable->RowHeight, 0.25f);
    EXPECT_FLOAT_EQ(db->FindGrid("HED").value().RowHeight, 0.0f); // NULL
    EXPECT_FALSE(db->FindGrid("he"));
}

TEST_F(ReferenceDatabaseTest, FilesThatAreNoReferenceDatabaseGiveAnError) {
    const fs::path text = folder_ / "notes.db";
    std::ofstream(text) << "This is a text file, not a database.\n";
    const fs::path missing = folder_ / "missing.db";
    for (const auto& [path, note] : {std::pair{text, ""}, std::pair{missing, ""},
                                     std::pair{folder_.Path(), " It is a folder, not a file."}}) {
        const auto opened = OpenReferenceDatabase(path);
        EXPECT_EQ(opened.database, nullptr);
        EXPECT_EQ(opened.error, "Cannot open the reference database " + path.string() + "." + note);
    }
    EXPECT_FALSE(fs::exists(missing)); // opening never creates the file

    Build("CREATE TABLE Other(GridName TEXT);");
    const auto noGrids = OpenReferenceDatabase(path_);
    EXPECT_EQ(noGrids.database, nullptr);
    EXPECT_EQ(noGrids.error, "The reference database " + path_.string() + " has no Grids table.");
    Build("DROP TABLE Other; CREATE TABLE grids(Name TEXT);");
    EXPECT_EQ(OpenReferenceDatabase(path_).error, "The Grids table of the reference database " +
                                                      path_.string() + " has no GridName field.");
}

// Many workstations read one file on a share: the database opens read-only where nothing
// may be written, and leaves no journal, lock or other file beside it.
TEST_F(ReferenceDatabaseTest, OpensInAReadOnlyFolderAndWritesNothing) {
#ifdef _WIN32
    const fs::path share = folder_ / "share 100% #2"; // "?" is no letter of a file name there
#else
    const fs::path share = folder_ / "share 100% #2?";
#endif
    fs::create_directories(share);
    const fs::path file = share / "Ref Data.db";
    fs::copy_file(Build(std::string(kGrids) + "CREATE TABLE trim20(Prompt TEXT);"), file);
    fs::remove(path_);
    const auto listing = [&share] {
        std::vector<std::pair<std::string, std::uintmax_t>> entries;
        for (const auto& entry : fs::directory_iterator(share)) {
            entries.emplace_back(entry.path().filename().string(), entry.file_size());
        }
        return entries;
    };
    const auto before = listing();
    const auto modified = fs::last_write_time(file);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(share, fs::perms::owner_read | fs::perms::owner_exec);
    struct Writable {
        fs::path folder;
        ~Writable() {
            std::error_code ignored;
            fs::permissions(folder, fs::perms::owner_all, ignored);
        }
    } writableAgain{share};
    {
        const auto opened = OpenReferenceDatabase(file);
        ASSERT_EQ(opened.error, "");
        EXPECT_TRUE(opened.database->ReadTable("trim20"));
        EXPECT_TRUE(opened.database->FindGrid("hed"));
    }
    // A name relative to the current folder, as "--refdb DefWaybill.db" in the program folder.
    const fs::path startFolder = fs::current_path();
    fs::current_path(share);
    const auto relative = OpenReferenceDatabase("Ref Data.db");
    fs::current_path(startFolder);
    EXPECT_EQ(relative.error, "");
    EXPECT_EQ(listing(), before);
    EXPECT_EQ(fs::last_write_time(file), modified);
}

} // namespace
} // namespace waybill

#include "refdb/ReferenceDatabase.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

namespace waybill {
namespace {

namespace fs = std::filesystem;

constexpr const char* kGrids = R"sql(
    CREATE TABLE Grids(GridName TEXT, Columns INTEGER, Rows INTEGER, Left REAL, Top REAL,
                       RowHeight REAL);
    CREATE INDEX idxGridName ON Grids(GridName);
    INSERT INTO Grids VALUES('CABLE', 9, 12, 0.5, 1, 0.25);
    INSERT INTO Grids VALUES('cable', 3, 1, 0, 0, 0);
    INSERT INTO Grids VALUES('hed', 4, 0, 2, 3.5, NULL);
)sql";

class ReferenceDatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() /
                  ("waybill-refdb-" + std::to_string(getpid()) + "-" + test->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path Build(const std::string& sql) {
        const fs::path path = folder_ / "ref.db";
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        char* message = nullptr;
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message), SQLITE_OK)
            << (message ? message : "");
        sqlite3_free(message);
        sqlite3_close(db);
        return path;
    }

    std::unique_ptr<ReferenceDatabase> Open(const std::string& sql) {
        auto opened = OpenReferenceDatabase(Build(sql));
        EXPECT_EQ(opened.error, "");
        EXPECT_NE(opened.database, nullptr);
        return std::move(opened.database);
    }

    fs::path folder_;
};

TEST_F(ReferenceDatabaseTest, FieldsReadWithTheirStoredTypes) {
    const auto db = Open(std::string(kGrids) + R"sql(
        CREATE TABLE CABLE(Width REAL, Align INTEGER, Label TEXT NULL);
        INSERT INTO CABLE VALUES(1, 4, 'QTY');
        INSERT INTO CABLE VALUES(0.75, 2, NULL);
    )sql");
    const auto rows = db->ReadTable("CABLE");
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->RowCount(), 2u);
    EXPECT_EQ(rows->FieldNames(), (std::vector<std::string>{"Width", "Align", "Label"}));
    // A whole number in a REAL column still reads as a real.
    EXPECT_EQ(rows->Value(0, "Width"), FieldValue(1.0));
    EXPECT_EQ(rows->Value(0, "Align"), FieldValue(std::int64_t{4}));
    EXPECT_EQ(rows->Value(0, "Label"), FieldValue(std::string("QTY")));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(rows->Value(1, "Label")));
}

TEST_F(ReferenceDatabaseTest, RowsComeInStoredOrder) {
    const auto db = Open(std::string(kGrids) + R"sql(
        CREATE TABLE zee00(Prompt TEXT, Tag TEXT);
        CREATE INDEX byPrompt ON zee00(Prompt);
        INSERT INTO zee00(rowid, Prompt, Tag) VALUES(3, 'a', 'third');
        INSERT INTO zee00(rowid, Prompt, Tag) VALUES(1, 'c', 'first');
        INSERT INTO zee00(rowid, Prompt, Tag) VALUES(2, 'b', 'second');
    )sql");
    const auto rows = db->ReadTable("zee00");
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->RowCount(), 3u);
    EXPECT_EQ(rows->Text(0, "Tag"), "first");
    EXPECT_EQ(rows->Text(1, "Tag"), "second");
    EXPECT_EQ(rows->Text(2, "Tag"), "third");
}

// Names ignore letter case; a name is looked up, never put into SQL as given. (value() throws,
// and so fails the test, when a table is not found.)
TEST_F(ReferenceDatabaseTest, TableNamesIgnoreLetterCaseAndAreNeverExecuted) {
    const auto db = Open(std::string(kGrids) + R"sql(
        CREATE TABLE Trim20(Prompt TEXT);
        INSERT INTO Trim20 VALUES('Girth');
        CREATE TABLE "it's ""odd"""(Prompt TEXT);
        INSERT INTO "it's ""odd""" VALUES('quoted');
    )sql");
    EXPECT_TRUE(db->HasTable("TRIM20"));
    EXPECT_EQ(db->ReadTable("tRiM20").value().Text(0, "prompt"), "Girth");
    EXPECT_EQ(db->ReadTable("trim20").value().Text(0, "Prompt"), "Girth"); // read again
    EXPECT_EQ(db->ReadTable(R"(It's "ODD")").value().Text(0, "Prompt"), "quoted");
    EXPECT_FALSE(db->ReadTable(R"(Grids"; DROP TABLE Grids; --)"));
    EXPECT_FALSE(db->ReadTable("Grids WHERE 0"));
    EXPECT_TRUE(db->FindGrid("hed"));
    // A missing table is no result.
    EXPECT_FALSE(db->HasTable("nosuch"));
    EXPECT_FALSE(db->ReadTable("nosuch"));
    EXPECT_FALSE(db->ReadTable(""));
    EXPECT_FALSE(db->ReadTable(std::string("Grids\0x", 7)));
}

TEST_F(ReferenceDatabaseTest, FindGridIgnoresCaseAndTakesTheFirstStoredMatch) {
    const auto db = Open(kGrids);
    const auto cable = db->FindGrid("Cable");
    ASSERT_TRUE(cable);
    EXPECT_EQ(cable->GridName, "CABLE");
    EXPECT_EQ(cable->Columns, 9);
    EXPECT_EQ(cable->Rows, 12);
    EXPECT_FLOAT_EQ(cable->Left, 0.5f);
    EXPECT_FLOAT_EQ(cable->Top, 1.0f);
    EXPECT_FLOAT_EQ(cable->RowHeight, 0.25f);

    const auto hed = db->FindGrid("HED");
    ASSERT_TRUE(hed);
    EXPECT_EQ(hed->Rows, 0);
    EXPECT_FLOAT_EQ(hed->RowHeight, 0.0f); // NULL
    EXPECT_FALSE(db->FindGrid("he"));
    EXPECT_FALSE(db->FindGrid(" hed"));
    // The Grids table is an ordinary table too.
    EXPECT_EQ(db->ReadTable("GRIDS").value().RowCount(), 3u);
}

TEST_F(ReferenceDatabaseTest, TextsReadAsWindows1252) {
    const auto db = Open(std::string(kGrids) + R"sql(
        CREATE TABLE enddam(DEF_VAL TEXT);
        INSERT INTO enddam VALUES('4' || char(201));
        INSERT INTO enddam VALUES(CAST(X'34C9' AS TEXT));
    )sql");
    const auto rows = db->ReadTable("enddam");
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->Text(0, "DEF_VAL"), "4\xC9"); // U+00C9 stored as UTF-8
    EXPECT_EQ(rows->Text(1, "DEF_VAL"), "4\xC9"); // an 8-bit byte stored as it is
}

TEST_F(ReferenceDatabaseTest, ReadOnlyFileOpensAndStaysUnchanged) {
    const fs::path path = Build(kGrids);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto before = fs::last_write_time(path);
    {
        auto opened = OpenReferenceDatabase(path);
        ASSERT_TRUE(opened.database) << opened.error;
        EXPECT_TRUE(opened.database->FindGrid("hed"));
        EXPECT_TRUE(opened.database->ReadTable("Grids"));
    }
    EXPECT_EQ(fs::last_write_time(path), before);
    EXPECT_FALSE(fs::exists(path.string() + "-journal"));
}

TEST_F(ReferenceDatabaseTest, FilesThatAreNoReferenceDatabaseGiveAnError) {
    const fs::path text = folder_ / "notes.db";
    std::ofstream(text) << "This is a text file, not a database.\n";
    const fs::path missing = folder_ / "missing.db";
    for (const fs::path& path : {text, missing, folder_, fs::path()}) {
        const auto opened = OpenReferenceDatabase(path);
        EXPECT_EQ(opened.database, nullptr);
        EXPECT_EQ(opened.error, "Cannot open the reference database " + path.string() + ".");
    }
    EXPECT_FALSE(fs::exists(missing)); // opening never creates the file

    const fs::path path = Build("CREATE TABLE Other(GridName TEXT);");
    const auto noGrids = OpenReferenceDatabase(path);
    EXPECT_EQ(noGrids.database, nullptr);
    EXPECT_EQ(noGrids.error, "The reference database " + path.string() + " has no Grids table.");
    Build("DROP TABLE Other; CREATE TABLE grids(Name TEXT);");
    EXPECT_EQ(OpenReferenceDatabase(path).error, "The Grids table of the reference database " +
                                                     path.string() + " has no GridName field.");
}

} // namespace
} // namespace waybill

#include "export/TableExport.h"
#include "platform/TextFile.h"
#include "SessionFixture.h"
#include "support/DocumentText.h"
#include "tensile/PunchExport.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace waybill {
namespace {

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A configured Cee page with its member rows on the shipped "hte" grid.
std::string CeePage(const std::string& rows) {
    return "**PAGEDEF\r\ncee00-01,Red-Oxide,HI-TENSILE\r\nGRID: hte\r\n" + rows +
           "ATTRIBLK: cee00\r\n|8|2.5|2.5|0|8\" x 2 1/2 x 14GA|A1011|x|\r\n";
}

// mark, quantity, length, lead code, the six "A" dimensions, trailing code, part number.
std::string Member(const std::string& mark, const std::string& lead) {
    return "|CEE|" + mark + "|2|20'-0|" + lead + "|||||||NP|P|\r\n";
}

// What the table and the patterns file hold is the exports' to test; the session checks the
// document first, writes where the user chose, says so, and sends the user to what stopped it.
class SessionExportsTest : public test::SessionTest {
  protected:
    SessionExportsTest() { session.SetPendingTyping(&boxes); }

    void OpenDocument(const std::string& job, const std::string& pages) {
        const auto path = work / "doc.fwb";
        std::ofstream(path, std::ios::binary) << test::DocumentText(pages, job);
        session.Files().Open(path.string(), DocumentFiles::OpenedFrom::Dialog);
        questions.messages.clear();
        questions.onMessage = [this](const auto&) {
            pagesAtMessage.push_back(session.Waybill().CurPage());
        };
    }

    test::WaitingTyping boxes;
    std::vector<int> pagesAtMessage;
    std::filesystem::path table = work / "out" / "J100.txt";
};

TEST_F(SessionExportsTest, TableIsWrittenWhereChosenAndSummarised) {
    std::filesystem::create_directory(work / "out");
    std::filesystem::create_directory(work / "exports");
    paths.ExportFolder = (work / "exports").string();
    OpenDocument(" J100 ",
                 "**PAGEDEF\r\nmisc-01,,MISC\r\nGRID: std\r\n|T|M1|2|5'-6 1/2|PLATE|P1|\r\n"
                 "**PAGEDEF\r\npur03-01,,BOUGHT\r\nGRID: std\r\n|T|M3|1||NUT|P3|\r\n");
    questions.saveAnswers = {table.string() + " "}; // a typed name's blanks are dropped
    session.ExportTable();

    ASSERT_EQ(questions.saveRequests.size(), 1u);
    EXPECT_EQ(questions.saveRequests[0].startFolder, (work / "exports").string());
    EXPECT_EQ(questions.saveRequests[0].fileName, "J100");
    const auto made = ExportTable(session.Waybill(), *opened->database);
    const auto& expected = std::get<TableExport>(made);
    ASSERT_EQ(WriteTable(expected, work / "expected.txt"), std::nullopt);
    EXPECT_EQ(ReadBytes(table), ReadBytes(work / "expected.txt"));
    ASSERT_EQ(questions.messages.size(), 1u);
    EXPECT_EQ(questions.messages[0].message, TableExportedMessage(expected, table));
    EXPECT_EQ(session.Files().WorkFolder(), (work / "out").string());
    EXPECT_EQ(paths.ExportFolder, (work / "exports").string());
    EXPECT_FALSE(session.Doc().FileChanged());
}

TEST_F(SessionExportsTest, TableStopsWriteNothingAndSendTheUserToTheCause) {
    OpenDocument("J100", "**PAGEDEF\r\nmisc-01,,MISC\r\nGRID: std\r\n|T|M1|2||PLATE|P1|\r\n"
                         "**PAGEDEF\r\nmisc-02,,MISC\r\nGRID: std\r\n1\r\n|T|M2|x||ROD|P2|\r\n");
    session.ExportTable();
    ASSERT_EQ(questions.messages.size(), 1u);
    EXPECT_EQ(pagesAtMessage, std::vector<int>{2}); // the page first, then its message
    EXPECT_EQ(boxes.retyped, (std::vector<CellPosition>{{2, 2}}));
    EXPECT_TRUE(questions.saveRequests.empty());

    OpenDocument("", "**PAGEDEF\r\nmisc-01,,MISC\r\nGRID: std\r\n|T|M1|2||PLATE|P1|\r\n");
    session.ExportTable();
    ASSERT_EQ(questions.messages.size(), 1u); // no job number
    EXPECT_EQ(boxes.focused, std::vector<TitleBlockField>{TblkJobNumber});
    EXPECT_TRUE(questions.saveRequests.empty());

    // Typed but not yet committed: the export takes it, and asks about the changed document.
    boxes.waiting = TypedEdit{"Title Block Edit", {{{TblkJobNumber, " J100 "}}, {}}};
    questions.messages.clear();
    questions.answers = {MessageAnswer::Cancel};
    session.ExportTable();
    ASSERT_EQ(questions.messages.size(), 1u);
    EXPECT_EQ(questions.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(questions.saveRequests.empty());

    // Not saved, and the save dialog cancelled: nothing written, the work folder stays.
    const std::string workFolder = session.Files().WorkFolder();
    questions.answers = {MessageAnswer::No};
    questions.saveAnswers = {std::nullopt};
    session.ExportTable();
    ASSERT_EQ(questions.saveRequests.size(), 1u);
    EXPECT_EQ(questions.saveRequests[0].startFolder, workFolder); // no export folder set
    EXPECT_EQ(questions.saveRequests[0].fileName, "J100");        // the typed blanks dropped
    EXPECT_EQ(session.Files().WorkFolder(), workFolder);
    EXPECT_FALSE(std::filesystem::exists(table));
    EXPECT_EQ(session.Doc().UndoName(), "Title Block Edit"); // and no export step
}

TEST_F(SessionExportsTest, PunchesAreMergedIntoTheMachinesFile) {
    const auto dat = work / "Spcptrns.dat";
    paths.PunchExport = dat.string();
    OpenDocument("j100", CeePage(Member("C1", "E") + Member("C2", "NP")));
    ASSERT_TRUE(session.ReadyToExportPunches());
    session.ExportPunches(PunchSelection::Only);

    EXPECT_TRUE(questions.messages.empty());
    const auto expected = work / "expected.dat";
    ASSERT_TRUE(std::holds_alternative<PunchExportDone>(ExportPunches(
        session.Waybill(), PunchSelection::Only, program / kPunchTemplatesName, expected)));
    EXPECT_EQ(ReadBytes(dat), ReadBytes(expected));
    EXPECT_EQ(session.StatusNote(),
              "0 record(s) updated, 1 record(s) added to " + dat.string() + ".");
}

TEST_F(SessionExportsTest, PunchStopsLeaveTheFileAsItWas) {
    const auto dat = work / "Spcptrns.dat";
    OpenDocument("J100", "**PAGEDEF\r\nmisc-01,,MISC\r\nGRID: std\r\n|T|M1|2||PLATE|P1|\r\n" +
                             CeePage("3\r\n" + Member("C1", "E") + Member("C2", "")));
    EXPECT_FALSE(session.ReadyToExportPunches());
    ASSERT_EQ(questions.messages.size(), 1u);
    EXPECT_EQ(questions.messages[0].message, PatternsFileNotSetMessage());

    paths.PunchExport = dat.string();
    std::ofstream(dat, std::ios::binary) << "old";
    questions.messages.clear();
    pagesAtMessage.clear();
    ASSERT_TRUE(session.ReadyToExportPunches());
    session.ExportPunches(PunchSelection::All); // a member without its lead code
    ASSERT_EQ(questions.messages.size(), 1u);
    EXPECT_EQ(pagesAtMessage, std::vector<int>{2});
    ASSERT_EQ(boxes.retyped.size(), 1u);
    EXPECT_EQ(boxes.retyped[0].row, 5);
    EXPECT_EQ(ReadBytes(dat), "old");
}

// An export takes no lock, and writes over a document someone else holds only when told to.
TEST_F(SessionExportsTest, AnExportAsksBeforeWritingOverADocumentSomeoneHolds) {
    EditSession& locking = Locked();
    const std::filesystem::path doc = work / "doc.fwb";
    std::ofstream(doc, std::ios::binary) << test::DocumentText(
        "**PAGEDEF\r\nmisc-01,,MISC\r\nGRID: std\r\n|T|M1|2|5'-6 1/2|PLATE|P1|\r\n", "J100");
    locking.Files().Open(doc.string(), DocumentFiles::OpenedFrom::Dialog);
    const std::string held = SampleDocument("held.fwb");
    test::LockEditor other{"WS-07", 4711};
    other.user = "akim";
    const std::string line = std::get<HeldLock>(LockDocument(held, other)).line;
    const std::string before = ReadBytes(held);
    questions.messages.clear();

    paths.PunchExport = held;
    locking.ExportPunches(PunchSelection::All); // No, the default
    questions.saveAnswers = {held};
    locking.ExportTable();
    const std::string asked =
        held + " is open by akim on WS-07 since 12.07.2025 14:03. Save over it anyway?";
    EXPECT_EQ(questions.Texts(), (std::vector<std::string>{asked, asked}));
    EXPECT_EQ(ReadBytes(held), before);

    questions.answers = {MessageAnswer::Yes};
    questions.saveAnswers = {held};
    locking.ExportTable();
    EXPECT_NE(ReadBytes(held), before);
    EXPECT_EQ(ReadWholeFile(LockFilePath(held)), line);
}

} // namespace
} // namespace waybill

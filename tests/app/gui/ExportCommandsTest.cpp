#include "export/TableExport.h"
#include "page/gui/CellGrid.h"
#include "tensile/gui/dlgExportPunches.h"
#include "tensile/PunchExport.h"
#include "WindowFixture.h"

#include <fstream>
#include <gtest/gtest.h>
#include <QApplication>
#include <QStatusBar>
#include <sstream>

namespace waybill {
namespace {

using test::Q;

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
std::string Member(const std::string& mark, const std::string& lead, const std::string& aDims) {
    return "|CEE|" + mark + "|2|20'-0|" + lead + "|" + aDims + "||||||NP|P|\r\n";
}

class ExportCommandsTest : public test::WindowTest {
  protected:
    void SetUp() override {
        std::filesystem::copy_file(std::filesystem::path(WAYBILL_PROGRAM_DIR) / kPunchTemplatesName,
                                   program / kPunchTemplatesName);
        ASSERT_TRUE(Start());
    }

    void OpenDocument(const std::string& job, const std::string& pages) {
        const auto path = work / "doc.fwb";
        std::ofstream(path, std::ios::binary)
            << "VB WAYBILL 1.0\r\n**HEADER\r\nDetail By: \r\nIssue: \r\nChecked By: \r\n"
               "Date: \r\nCustomer: \r\nJob Number: "
            << job
            << "\r\nNumber Pages: False\r\nShow Page Total: False\r\nPassword: \r\n"
               "**END HEADER\r\n"
            << pages;
        Open(path);
        dialogs.Clear();
    }

    // Reads the current page while a message is on screen.
    void WatchPageAtMessage() {
        dialogs.onMessage = [this](const auto&) {
            pagesAtMessage.push_back(window->Session().Waybill().CurPage());
        };
    }

    std::vector<int> pagesAtMessage;
    std::filesystem::path table = work / "out" / "J100.txt";
};

// What the table holds and how its summary reads are the export's to test; the window writes
// what the export makes where the user chose, says so, and starts the next Open there.
TEST_F(ExportCommandsTest, TableIsWrittenAndSummarised) {
    std::filesystem::create_directory(work / "out");
    std::filesystem::create_directory(work / "exports");
    module->paths.ExportFolder = (work / "exports").string();
    OpenDocument(" J100 ",
                 "**PAGEDEF\r\nmisc-01,,MISC\r\nGRID: std\r\n|T|M1|2|5'-6 1/2|PLATE|P1|\r\n"
                 "**PAGEDEF\r\npur03-01,,BOUGHT\r\nGRID: std\r\n|T|M3|1||NUT|P3|\r\n");
    dialogs.saveAnswers = {Q(table) + QStringLiteral(" ")}; // a typed name's blanks are dropped
    Trigger("mnuFileExportTable");

    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].startFolder, Q(work / "exports"));
    EXPECT_EQ(dialogs.saveRequests[0].fileName, QStringLiteral("J100"));
    const auto made = ExportTable(window->Session().Waybill(), *module->database);
    const auto& expected = std::get<TableExport>(made);
    ASSERT_EQ(WriteTable(expected, work / "expected.txt"), std::nullopt);
    EXPECT_EQ(ReadBytes(table), ReadBytes(work / "expected.txt"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message, TableExportedMessage(expected, table));
    EXPECT_EQ(WorkFolder(), Q(work / "out"));
    EXPECT_EQ(module->paths.ExportFolder, (work / "exports").string());
    EXPECT_FALSE(window->Session().Doc().FileChanged());
}

TEST_F(ExportCommandsTest, ABadCellShowsItsPageAndOpensTheCell) {
    OpenDocument("J100", "**PAGEDEF\r\nmisc-01,,MISC\r\nGRID: std\r\n|T|M1|2||PLATE|P1|\r\n"
                         "**PAGEDEF\r\nmisc-02,,MISC\r\nGRID: std\r\n1\r\n|T|M2|x||ROD|P2|\r\n");
    WatchPageAtMessage();
    Trigger("mnuFileExportTable");

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(pagesAtMessage, std::vector<int>{2}); // the page first, then its message
    const CellGrid* grid = window->Page().LineItemGrid();
    EXPECT_EQ(std::make_pair(grid->Row(), grid->Column()), std::make_pair(2, 2));
    ASSERT_TRUE(window->Page().CellBoxEditor()->isVisible());
    EXPECT_EQ(window->Page().CellBoxEditor()->text(), QStringLiteral("x"));
    EXPECT_TRUE(dialogs.saveRequests.empty());
}

TEST_F(ExportCommandsTest, TableStopsWriteNothing) {
    const std::string pages = "**PAGEDEF\r\nmisc-01,,MISC\r\nGRID: std\r\n|T|M1|2||PLATE|P1|\r\n";
    OpenDocument("", pages);
    Trigger("mnuFileExportTable");
    ASSERT_EQ(dialogs.messages.size(), 1u); // no job number
    EXPECT_EQ(QApplication::focusWidget(), window->Page().TitleBlockBox(TblkJobNumber));
    EXPECT_TRUE(dialogs.saveRequests.empty());

    // Typed but not yet committed: the export takes it, and asks about the changed document.
    Type(TblkJobNumber, QStringLiteral("J100"));
    dialogs.Clear();
    dialogs.answers = {MessageAnswer::Cancel};
    Trigger("mnuFileExportTable");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(dialogs.saveRequests.empty());

    // Not saved, and the save dialog cancelled: nothing written, nothing moved.
    const QString workFolder = WorkFolder();
    dialogs.Clear();
    dialogs.answers = {MessageAnswer::No};
    dialogs.saveAnswers = {std::nullopt};
    Trigger("mnuFileExportTable");
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].startFolder, workFolder); // no export folder set
    EXPECT_EQ(WorkFolder(), workFolder);
    EXPECT_FALSE(std::filesystem::exists(table));
    EXPECT_EQ(window->Session().Doc().UndoName(), "Title Block Edit"); // and no export step
}

TEST_F(ExportCommandsTest, PunchesAreWrittenForTheChosenMembers) {
    const auto dat = work / "Spcptrns.dat";
    module->paths.PunchExport = dat.string();
    OpenDocument("j100", CeePage(Member("C1", "E", "") + Member("C2", "NP", "")));
    modal.handlers.push_back([](QDialog& d) {
        auto& dialog = dynamic_cast<dlgExportPunches&>(d);
        dialog.optOnly->click();
        dialog.cmdOK->click();
        return dialog.result();
    });
    Trigger("mnuFileExportPunches");

    EXPECT_EQ(modal.shown, std::vector<QString>{QStringLiteral("dlgExportPunches")});
    EXPECT_TRUE(dialogs.messages.empty());
    const auto expected = work / "expected.dat";
    ASSERT_TRUE(std::holds_alternative<PunchExportDone>(
        ExportPunches(window->Session().Waybill(), PunchSelection::Only,
                      program / kPunchTemplatesName, expected)));
    EXPECT_EQ(ReadBytes(dat), ReadBytes(expected));
    EXPECT_EQ(window->statusBar()->currentMessage(),
              QStringLiteral("0 record(s) updated, 1 record(s) added to %1.").arg(Q(dat)));
}

TEST_F(ExportCommandsTest, PunchStopsLeaveTheFileAsItWas) {
    const auto dat = work / "Spcptrns.dat";
    OpenDocument("J100", "**PAGEDEF\r\nmisc-01,,MISC\r\nGRID: std\r\n|T|M1|2||PLATE|P1|\r\n" +
                             CeePage("3\r\n" + Member("C1", "E", "") + Member("C2", "", "")));
    Trigger("mnuFileExportPunches");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message, PatternsFileNotSetMessage());
    EXPECT_TRUE(modal.shown.empty());

    module->paths.PunchExport = dat.string();
    std::ofstream(dat, std::ios::binary) << "old";
    dialogs.Clear();
    AnswerWith(&dlgExportPunches::cmdCancel);
    Trigger("mnuFileExportPunches");
    EXPECT_TRUE(dialogs.messages.empty());

    WatchPageAtMessage(); // a member without its lead code
    AnswerWith(&dlgExportPunches::cmdOK);
    Trigger("mnuFileExportPunches");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(pagesAtMessage, std::vector<int>{2});
    EXPECT_EQ(window->Page().LineItemGrid()->Row(), 5);
    EXPECT_EQ(ReadBytes(dat), "old");
}

} // namespace
} // namespace waybill

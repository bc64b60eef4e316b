#include "export/TableExport.h"
#include "page/gui/CellGrid.h"
#include "platform/Cp1252.h"
#include "tensile/gui/dlgExportPunches.h"
#include "tensile/PunchExport.h"
#include "WindowFixture.h"

#include <fstream>
#include <gtest/gtest.h>
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

TEST_F(ExportCommandsTest, TableIsWrittenAndSummarised) {
    std::filesystem::create_directory(work / "out");
    std::filesystem::create_directory(work / "exports");
    module->paths.ExportFolder = (work / "exports").string();
    OpenDocument(" J100 ", "**PAGEDEF\r\nmisc-01,,MISC\r\nGRID: std\r\n"
                           "|T|M1|2|5'-6 1/2|PLATE|P1|\r\n3\r\n|T|M2|one||ROD|P2|\r\n"
                           "**PAGEDEF\r\npur03-01,,BOUGHT\r\nGRID: std\r\n|T|M3|1||NUT|P3|\r\n");
    dialogs.saveAnswers = {Q(table) + QStringLiteral(" ")}; // a typed name's blanks are dropped
    Trigger("mnuFileExportTable");

    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    const FileDialogRequest& request = dialogs.saveRequests[0];
    EXPECT_EQ(request.title, QStringLiteral("Export Waybill to Table"));
    EXPECT_EQ(request.filter, QStringLiteral("Export Files (*.txt)|*.txt"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("txt"));
    EXPECT_EQ(request.startFolder, Q(work / "exports"));
    EXPECT_EQ(request.fileName, QStringLiteral("J100"));

    // The grid's later "PART NUMBER" column is the part, not its "PART MARK".
    EXPECT_EQ(ReadBytes(table), "J100;T;2;P1;66.5;5';6\";1/2\";;;PLATE;1;\r\n"
                                "J100;T;1;P2;0;;;;;;ROD;2;\r\n");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const UserMessage& summary = dialogs.messages[0].message;
    EXPECT_EQ(summary.caption, "Waybill Export Finished");
    EXPECT_EQ(summary.text, "2 line(s) exported to file " + PathText(table) +
                                ".\r*** This job contains purchase waybill(s) that were not "
                                "exported;\rYou will need to enter these items in manually into "
                                "Oracle. ***");
    // The next Open starts where the table went; the export folder setting stays.
    EXPECT_EQ(WorkFolder(), Q(work / "out"));
    EXPECT_EQ(module->paths.ExportFolder, (work / "exports").string());
    EXPECT_FALSE(window->Session().Doc().FileChanged());
    EXPECT_FALSE(window->Session().Doc().CanUndo());
}

TEST_F(ExportCommandsTest, ABadCellShowsItsPageAndOpensTheCell) {
    OpenDocument("J100", "**PAGEDEF\r\nmisc-01,,MISC\r\nGRID: std\r\n|T|M1|2||PLATE|P1|\r\n"
                         "**PAGEDEF\r\nmisc-02,,MISC\r\nGRID: std\r\n1\r\n|T|M2|x||ROD|P2|\r\n");
    WatchPageAtMessage();
    Trigger("mnuFileExportTable");

    ASSERT_EQ(dialogs.Texts(), std::vector<std::string>{"Invalid quantity."});
    EXPECT_EQ(dialogs.messages[0].message.caption, "Error");
    EXPECT_EQ(pagesAtMessage, std::vector<int>{2}); // the page first, then its message
    const CellGrid* grid = window->Page().LineItemGrid();
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Column(), 2);
    ASSERT_TRUE(window->Page().CellBoxEditor()->isVisible());
    EXPECT_EQ(window->Page().CellBoxEditor()->text(), QStringLiteral("x"));
    EXPECT_TRUE(dialogs.saveRequests.empty());
    EXPECT_FALSE(window->Session().Doc().CanUndo());
}

TEST_F(ExportCommandsTest, TableStopsWriteNothing) {
    const std::string pages = "**PAGEDEF\r\nmisc-01,,MISC\r\nGRID: std\r\n|T|M1|2||PLATE|P1|\r\n";
    OpenDocument("", pages);
    Trigger("mnuFileExportTable");
    ASSERT_EQ(dialogs.Texts(),
              std::vector<std::string>{"You must supply a job number before you can export."});
    EXPECT_EQ(dialogs.messages[0].message.caption, "Missing Job Number");
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
    EXPECT_EQ(dialogs.saveRequests[0].fileName, QStringLiteral("J100"));
    EXPECT_EQ(dialogs.saveRequests[0].startFolder, workFolder); // no export folder set
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(WorkFolder(), workFolder);
    EXPECT_FALSE(std::filesystem::exists(table));
    EXPECT_EQ(window->Session().Doc().UndoName(),
              "Title Block Edit"); // the typing, and no export step
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
    const std::string file = ReadBytes(dat);
    ASSERT_EQ(file.size(), 2346u); // C2 has equal codes and no "A" dimension
    EXPECT_EQ(file.substr(0, 24), std::string("J100C1\0", 7) + std::string(17, ' '));
    EXPECT_EQ(window->statusBar()->currentMessage(),
              QStringLiteral("0 record(s) updated, 1 record(s) added to %1.").arg(Q(dat)));
    EXPECT_FALSE(window->Session().Doc().CanUndo());

    // The dialog offers the last choice again; the second run updates in place.
    modal.handlers.push_back([](QDialog& d) {
        auto& dialog = dynamic_cast<dlgExportPunches&>(d);
        EXPECT_TRUE(dialog.optOnly->isChecked());
        dialog.optAll->click();
        dialog.cmdOK->click();
        return dialog.result();
    });
    Trigger("mnuFileExportPunches");
    EXPECT_EQ(ReadBytes(dat).size(), 2u * 2346u);
    EXPECT_EQ(window->statusBar()->currentMessage(),
              QStringLiteral("1 record(s) updated, 1 record(s) added to %1.").arg(Q(dat)));
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

    dialogs.Clear();
    WatchPageAtMessage();
    AnswerWith(&dlgExportPunches::cmdOK);
    Trigger("mnuFileExportPunches");
    ASSERT_EQ(dialogs.Texts(), std::vector<std::string>{
                                   "Member missing leading punch code. Select NP for no punch"});
    EXPECT_EQ(pagesAtMessage, std::vector<int>{2});
    EXPECT_EQ(window->Page().LineItemGrid()->Row(), 5);
    EXPECT_EQ(window->Page().LineItemGrid()->Column(), 4);
    EXPECT_EQ(ReadBytes(dat), "old");
    EXPECT_FALSE(window->Session().Doc().CanUndo());
}

} // namespace
} // namespace waybill

// The window's side of document locks: the question's answers reach the session, a read-only
// document disables every editing command and takes no typing, Export PDF asks before writing
// over a held document, and Exit releases the lock.
#include "platform/DocumentLock.h"
#include "platform/TextFile.h"
#include "WindowFixture.h"

#include <QMenu>
#include <QMenuBar>

namespace waybill {
namespace {

using test::Q;

// A lock of another workstation's editor, as its file holds it.
const std::string kOtherLock = "akim\tWS-07\t4711\t2025-07-12T14:03:27+02:00\r\n";

class DocumentLockWindowTest : public test::WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        sample = SampleDocument();
        work.Write(LockFilePath(sample).filename().string(), kOtherLock);
    }

    std::string LockText() const { return ReadWholeFile(LockFilePath(sample)).value_or(""); }

    std::filesystem::path sample;
};

TEST_F(DocumentLockWindowTest, ReadOnlyDisablesEditingAndKeepsReading) {
    dialogs.answers = {MessageAnswer::ReadOnly};
    Open(sample);
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral(" (read-only)[*]")));

    Trigger("mnuCtrlsNextPg");
    for (const char* name : {"mnuFileSave", "mnuEditUndo", "mnuEditRedo", "mnuEditCut",
                             "mnuEditPaste", "mnuEditDelete", "mnuCtrlsAddPg", "mnuCtrlsDelPg",
                             "mnuCtrlsCutPg", "mnuCtrlsPastePg", "mnuCtrlsEditAttrib", "mnuOptSort",
                             "mnuOptNumberPages", "mnuOptShowTotalPages", "mnuOptRedLine"}) {
        EXPECT_FALSE(Enabled(name)) << name;
    }
    EXPECT_FALSE(window->menuBar()
                     ->findChild<QMenu*>(QStringLiteral("mnuAutoPg"))
                     ->menuAction()
                     ->isEnabled());
    for (const char* name :
         {"mnuFileSaveAs", "mnuFilePrint", "mnuFilePrintPreview", "mnuFileExportPdf",
          "mnuFileExportTable", "mnuFileExportPunches", "mnuCtrlsCopyPg", "mnuCtrlsNextPg"}) {
        EXPECT_TRUE(Enabled(name)) << name;
    }

    // Neither the title block nor the cells take typing.
    const QString customer = window->Page().TitleBlockBox(TblkCustomer)->text();
    Type(TblkCustomer, QStringLiteral("Someone"));
    EXPECT_EQ(window->Page().TitleBlockBox(TblkCustomer)->text(), customer);
    const std::string cell = Cell(1, 1);
    CellGrid* grid = window->Page().LineItemGrid();
    grid->setFocus();
    grid->SetCurrent(1, 1);
    QTest::keyClicks(grid, QStringLiteral("7"));
    EXPECT_FALSE(window->Page().CellBoxEditor()->isVisible());
    EXPECT_EQ(Cell(1, 1), cell);
    EXPECT_FALSE(window->Session().Doc().FileChanged());

    // Save As to another name makes the copy the user's own.
    dialogs.saveAnswers = {(work / "copy.fwb").string()};
    Trigger("mnuFileSaveAs");
    EXPECT_FALSE(window->windowTitle().endsWith(QStringLiteral(" (read-only)[*]")));
    EXPECT_TRUE(Enabled("mnuFileSave"));
    EXPECT_FALSE(window->Page().TitleBlockBox(TblkCustomer)->isReadOnly());
}

// What each answer does is the session's; the window shows it in its caption.
TEST_F(DocumentLockWindowTest, CancelKeepsTheWindowAndOpenAnywayEdits) {
    dialogs.answers = {MessageAnswer::Cancel};
    Open(sample);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Waybill[*]"));
    dialogs.answers = {MessageAnswer::OpenAnyway};
    Open(sample);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Waybill - ") + Q(sample) + "[*]");
    EXPECT_TRUE(Enabled("mnuFileSave"));
}

TEST_F(DocumentLockWindowTest, ExportPdfAsksBeforeWritingOverAHeldDocument) {
    Open(SampleDocument("mine.fwb"));
    const std::string before = ReadWholeFile(sample).value_or("");
    dialogs.printAnswers.push_back(PrintChoice{});
    dialogs.saveAnswers.push_back(sample.string());
    Trigger("mnuFileExportPdf"); // No, the default
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message.text,
              sample.string() + " is open by akim on WS-07 since 12.07.2025 14:03. Save over it "
                                "anyway?");
    EXPECT_EQ(ReadWholeFile(sample), before);
}

TEST_F(DocumentLockWindowTest, ExitReleasesTheLock) {
    std::filesystem::remove(LockFilePath(sample));
    Open(sample);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(LockText().empty());
    window->close();
    EXPECT_FALSE(std::filesystem::exists(LockFilePath(sample)));
}

} // namespace
} // namespace waybill

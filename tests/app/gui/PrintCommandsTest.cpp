// The print commands as the window offers them: their enabling, the preview opened from the
// menu, and Export PDF through the dialogs.
#include "print/gui/PrintPreview.h"
#include "support/TempDir.h"
#include "WindowFixture.h"

#include <QStatusBar>
#include <regex>

namespace waybill::test {
namespace {

class PrintCommandsTest : public WindowTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }

    // Opens the preview from the menu; `drive` works it while it is shown.
    void Preview(const std::function<void(PrintPreview&)>& drive) {
        modal.handlers.push_back([drive](QDialog& d) {
            drive(dynamic_cast<PrintPreview&>(d));
            return int(QDialog::Accepted);
        });
        Trigger("mnuFilePrintPreview");
        EXPECT_TRUE(modal.handlers.empty()) << "the preview was not shown";
    }

    static void Click(PrintPreview& preview, const char* key) {
        preview.findChild<QAction*>(QString::fromLatin1(key))->trigger();
    }
    static bool On(PrintPreview& preview, const char* key) {
        return preview.findChild<QAction*>(QString::fromLatin1(key))->isEnabled();
    }
    // The page the preview ends on after stepping forward as far as it lets the user.
    static int LastReachable(PrintPreview& preview) {
        while (On(preview, "NextPg")) {
            Click(preview, "NextPg");
        }
        return preview.PageNumber();
    }

    static int PdfPages(const std::string& bytes) {
        const std::regex page(R"(/Type\s*/Page\b)");
        return static_cast<int>(
            std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page), {}));
    }
};

TEST_F(PrintCommandsTest, MenuEntriesNeedPagesExceptPrinterSetup) {
    const std::vector<const char*> needPages{"mnuFilePrint", "mnuFilePrintPreview",
                                             "mnuFileExportPdf"};
    for (const char* name : needPages) {
        EXPECT_FALSE(Enabled(name)) << name;
        Trigger(name); // a shortcut may still reach it: nothing is asked or shown
    }
    EXPECT_TRUE(dialogs.printRequests.empty());
    EXPECT_TRUE(dialogs.rangeRequests.empty());
    EXPECT_TRUE(modal.shown.empty());
    EXPECT_TRUE(Enabled("mnuFilePrintSetup"));
    Trigger("mnuFilePrintSetup");
    EXPECT_EQ(dialogs.setupTitles, std::vector<QString>{QStringLiteral("Printer Setup")});

    Add({1});
    for (const char* name : needPages) {
        EXPECT_TRUE(Enabled(name)) << name;
    }
    Trigger("mnuCtrlsDelPg");
    for (const char* name : needPages) {
        EXPECT_FALSE(Enabled(name)) << name;
    }
}

TEST_F(PrintCommandsTest, PreviewOpensOnTheCurrentPageAfterStoringWhatIsTyped) {
    Open(SampleDocument());
    const int pages = window->Session().Waybill().PageCount();
    ASSERT_GE(pages, 5);
    Trigger("mnuCtrlsNextPg");
    Trigger("mnuCtrlsNextPg");
    Type(TblkDescription, QStringLiteral("TYPED, NOT YET STORED"));
    Preview([&](PrintPreview& preview) {
        EXPECT_EQ(window->Session().Waybill().GetPagePtr(3)->Description, "TYPED, NOT YET STORED");
        EXPECT_EQ(preview.PageNumber(), 3);
        EXPECT_EQ(LastReachable(preview), pages);
    });
    EXPECT_EQ(window->Session().Waybill().CurPage(), 3); // stepping in the preview moves no page
}

TEST_F(PrintCommandsTest, EachCommandSeesTheDocumentAsItIsNow) {
    Add({1, 2, 3});
    Trigger("mnuCtrlsDelPg");
    const int afterDelete = window->Session().Waybill().PageCount();
    Preview([&](PrintPreview& preview) { EXPECT_EQ(LastReachable(preview), afterDelete); });
    Trigger("mnuEditUndo");
    ASSERT_EQ(window->Session().Waybill().PageCount(), afterDelete + 1);
    Preview([&](PrintPreview& preview) { EXPECT_EQ(LastReachable(preview), afterDelete + 1); });
}

TEST_F(PrintCommandsTest, ExportPdfWritesOneSheetPerChosenPage) {
    const auto sample = SampleDocument("job 4471.fwb");
    Open(sample);
    const int pages = window->Session().Waybill().PageCount();
    Trigger("mnuCtrlsNextPg");

    Trigger("mnuFileExportPdf"); // the page range cancelled: no file asked for
    ASSERT_EQ(dialogs.rangeRequests.size(), 1u);
    EXPECT_EQ(dialogs.rangeRequests[0].fromPage, 2);
    EXPECT_EQ(dialogs.rangeRequests[0].maxPage, pages);
    EXPECT_TRUE(dialogs.saveRequests.empty());

    const auto all = work / "all.pdf";
    dialogs.printAnswers.push_back(PrintChoice{});
    dialogs.saveAnswers.push_back(all.string());
    Trigger("mnuFileExportPdf");
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].fileName, "job 4471.pdf");
    EXPECT_EQ(dialogs.saveRequests[0].startFolder,
              window->Session().Files().WorkFolder()); // no export folder set
    EXPECT_EQ(PdfPages(TempDir::Read(all)), pages);
    EXPECT_EQ(window->statusBar()->currentMessage(),
              QStringLiteral("%1 page(s) written to %2.").arg(pages).arg(Q(all)));

    const auto two = work / "two.pdf";
    dialogs.printAnswers.push_back(PrintChoice{true, 3, 4});
    dialogs.saveAnswers.push_back(two.string());
    Trigger("mnuFileExportPdf");
    EXPECT_EQ(PdfPages(TempDir::Read(two)), 2);
    EXPECT_FALSE(window->Session().Doc().FileChanged());
}

} // namespace
} // namespace waybill::test

#include "support/DocumentText.h"
#include "tensile/gui/dlgExportPunches.h"
#include "WindowFixture.h"

#include <fstream>
#include <gtest/gtest.h>
#include <QApplication>
#include <QStatusBar>

namespace waybill {
namespace {

using test::Q;

// The exports' checks, files and messages are the session's to test; the window asks which
// members to export and brings the field or cell at fault into view.
class ExportCommandsTest : public test::WindowTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }

    void OpenDocument(const std::string& job, const std::string& pages) {
        const auto path = work / "doc.fwb";
        std::ofstream(path, std::ios::binary) << test::DocumentText(pages, job);
        Open(path);
        dialogs.Clear();
    }
};

TEST_F(ExportCommandsTest, AStopBringsItsFieldOrCellIntoView) {
    const std::string pages =
        "**PAGEDEF\r\nmisc-01,,MISC\r\nGRID: std\r\n|T|M1|2||PLATE|P1|\r\n"
        "**PAGEDEF\r\nmisc-02,,MISC\r\nGRID: std\r\n1\r\n|T|M2|x||ROD|P2|\r\n";
    OpenDocument("", pages);
    Trigger("mnuFileExportTable");
    EXPECT_EQ(QApplication::focusWidget(), window->Page().TitleBlockBox(TblkJobNumber));

    OpenDocument("J100", pages);
    Trigger("mnuFileExportTable");
    QCoreApplication::processEvents(); // the cell opens once the command is over
    const CellGrid* grid = window->Page().LineItemGrid();
    EXPECT_EQ(std::make_pair(grid->Row(), grid->Column()), std::make_pair(2, 2));
    ASSERT_TRUE(window->Page().CellBoxEditor()->isVisible());
    EXPECT_EQ(window->Page().CellBoxEditor()->text(), QStringLiteral("x"));
}

TEST_F(ExportCommandsTest, ThePunchDialogsChoiceIsExported) {
    const auto dat = work / "Spcptrns.dat";
    module->paths.PunchExport = dat.string();
    std::filesystem::copy_file(std::filesystem::path(WAYBILL_PROGRAM_DIR) / "PunchTemplates.txt",
                               program / "PunchTemplates.txt");
    OpenDocument("J100", "**PAGEDEF\r\ncee00-01,Red-Oxide,HI-TENSILE\r\nGRID: hte\r\n"
                         "|CEE|C1|2|20'-0|E|||||||NP|P|\r\n|CEE|C2|2|20'-0|NP|||||||NP|P|\r\n"
                         "ATTRIBLK: cee00\r\n|8|2.5|2.5|0|8\" x 2 1/2 x 14GA|A1011|x|\r\n");
    AnswerWith(&dlgExportPunches::cmdCancel);
    Trigger("mnuFileExportPunches");
    EXPECT_FALSE(std::filesystem::exists(dat));

    modal.handlers.push_back([](QDialog& d) {
        auto& dialog = dynamic_cast<dlgExportPunches&>(d);
        dialog.optOnly->click();
        dialog.cmdOK->click();
        return dialog.result();
    });
    Trigger("mnuFileExportPunches");
    EXPECT_EQ(window->statusBar()->currentMessage(),
              QStringLiteral("0 record(s) updated, 1 record(s) added to %1.").arg(Q(dat)));
}

} // namespace
} // namespace waybill

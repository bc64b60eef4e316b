#include "app/AppMessages.h"
#include "app/gui/dlgConfigPaths.h"
#include "app/gui/dlgFolderTree.h"
#include "app/gui/dlgGotoPage.h"
#include "WindowFixture.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::Q;

class ConfigPathsTest : public ::testing::Test {
  protected:
    ConfigPathsTest() : dialog(dialogs, folderTree) {}

    test::TempDir dir;
    test::RecordingDialogService dialogs;
    dlgFolderTree folderTree;
    dlgConfigPaths dialog;
    std::string fwb = dir.Write("Default.fwb", "VB WAYBILL 1.0\r\n").string();
    std::string db = dir.Write("DefWaybill.db", "x").string();
};

TEST_F(ConfigPathsTest, OkInsistsOnTheDefaultDocumentThenTheDatabase) {
    dialog.txtDefFwb->setText(Q(dir / "missing.fwb"));
    dialog.txtDefDB->setText(Q(dir.Path())); // a folder is not a database file
    dialog.OKButton->click();
    EXPECT_EQ(dialogs.messages.back().message, MissingDefaultWaybillMessage());
    dialog.txtDefFwb->setText(QString::fromStdString(fwb));
    dialog.OKButton->click();
    EXPECT_EQ(dialogs.messages.back().message, MissingDefaultDatabaseMessage());
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    dialog.txtDefDB->setText(QString::fromStdString(db));
    dialog.OKButton->click();
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Paths().DefDB, db);
}

TEST_F(ConfigPathsTest, MissingFoldersAreOfferedForCreationAndKeptAsTypedOnNo) {
    const PathSettings paths{fwb, db, (dir / "work").string(), (dir / "export").string(), ""};
    dialog.SetPaths(paths);
    dialogs.answers = {MessageAnswer::Yes, MessageAnswer::No};
    dialog.OKButton->click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "work"));
    EXPECT_FALSE(std::filesystem::exists(dir / "export"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Paths(), paths);

    dialogs.Clear(); // one that cannot be created is reported
    dialog.SetPaths({fwb, db, (dir / "a" / "b").string(), "", ""});
    dialog.OKButton->click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].message.caption, "File Error");
}

TEST_F(ConfigPathsTest, CancelCanBeRefusedEvenToEscape) {
    dialog.show();
    dialog.SetCancelEnabled(false);
    dialog.reject();
    EXPECT_TRUE(dialog.isVisible());
    dialog.SetCancelEnabled(true);
    dialog.CancelButton->click();
    EXPECT_FALSE(dialog.isVisible());
}

TEST(PageDialogsTest, GotoPageTakesOnlyDigitsAndSelectsTheirRow) {
    Book book;
    for (const char* cad : {"a-01", "b-01", "c-01"}) {
        book.Add(cad, "", "", {}, AfterLastPage);
    }
    test::RecordingDialogService dialogs;
    dlgGotoPage gotoPage(dialogs);
    gotoPage.FillList(book);
    gotoPage.txtPageNumber->clear();
    QTest::keyClicks(gotoPage.txtPageNumber, QStringLiteral("x3"));
    EXPECT_EQ(gotoPage.txtPageNumber->text(), QStringLiteral("3"));
    EXPECT_EQ(gotoPage.lvPages->selectedItems().value(0)->text(1), QStringLiteral("c-01"));
}

} // namespace
} // namespace waybill

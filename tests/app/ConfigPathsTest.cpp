#include "app/AppMessages.h"
#include "app/gui/dlgConfigPaths.h"
#include "app/gui/dlgFolderTree.h"
#include "model/TempDir.h"
#include "support/RecordingDialogService.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>

namespace waybill {
namespace {

QString Q(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

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
    dialog.txtDefDB->setText(Q(dir / "missing.db"));
    dialog.OKButton->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message, MissingDefaultWaybillMessage());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.txtDefFwb->selectedText(), dialog.txtDefFwb->text());

    dialog.txtDefFwb->setText(QString::fromStdString(fwb));
    dialog.OKButton->click();
    EXPECT_EQ(dialogs.messages.back().message, MissingDefaultDatabaseMessage());
    // A folder is not a database file.
    dialog.txtDefDB->setText(Q(dir.Path()));
    dialog.OKButton->click();
    EXPECT_EQ(dialogs.messages.size(), 3u);
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    dialog.txtDefDB->setText(QString::fromStdString(db));
    dialog.OKButton->click();
    EXPECT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Paths().DefDB, db);
}

TEST_F(ConfigPathsTest, MissingFoldersAreOfferedForCreationAndKeptAsTypedOnNo) {
    const QString work = Q(dir / "work");
    const PathSettings paths{fwb, db, work.toStdString(), (dir / "export").string(), "/p.dat"};
    dialog.SetPaths(paths);
    dialogs.answers = {MessageAnswer::Yes, MessageAnswer::No};
    dialog.OKButton->click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(dialogs.messages[0].message.text,
              "Folder " + work.toStdString() + " does not exist.\rDo you want to create it?");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "work"));
    EXPECT_FALSE(std::filesystem::exists(dir / "export"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Paths(), paths);
}

TEST_F(ConfigPathsTest, AFolderThatCannotBeCreatedIsReported) {
    dialog.SetPaths({fwb, db, (dir / "a" / "b").string(), "", ""});
    dialog.OKButton->click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].message.caption, "File Error");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
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

TEST_F(ConfigPathsTest, BrowsingStartsAtTheFileAndACancelKeepsTheText) {
    dialog.txtDefDB->setText(QString::fromStdString(db));
    dialog.cmdDefDB->click();
    EXPECT_EQ(dialogs.openRequests[0].startFolder, Q(dir.Path()));
    EXPECT_EQ(dialog.txtDefDB->text(), QString::fromStdString(db));

    dialogs.openAnswers = {QStringLiteral("/chosen.fwb")};
    dialog.cmdDefFwb->click();
    EXPECT_EQ(dialogs.openRequests[1].startFolder, QString());
    EXPECT_EQ(dialog.txtDefFwb->text(), QStringLiteral("/chosen.fwb"));
}

TEST_F(ConfigPathsTest, FolderPickerStartsAtAnExistingFolderOrWhereItWasLast) {
    const QString existing = Q(dir.Path());
    dialog.txtWorkFolder->setText(existing);
    dialogs.folderAnswers = {QStringLiteral("/picked")};
    dialog.cmdWorkFolder->click();
    EXPECT_EQ(dialogs.folderRequests[0].second, existing);
    EXPECT_EQ(dialog.txtWorkFolder->text(), QStringLiteral("/picked"));

    // Written with a closing separator, or missing: the picker stays where it was.
    dialog.txtExportFolder->setText(existing + QStringLiteral("/"));
    dialog.cmdExportFolder->click();
    EXPECT_EQ(dialogs.folderRequests[1].second, QStringLiteral("/picked"));
    EXPECT_EQ(dialog.txtExportFolder->text(), existing + QStringLiteral("/"));
    // The root is written with its separator.
    dialog.txtExportFolder->setText(QStringLiteral("/"));
    dialog.cmdExportFolder->click();
    EXPECT_EQ(dialogs.folderRequests[2].second, QStringLiteral("/"));
}

} // namespace
} // namespace waybill

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
    ConfigPathsTest() : dialog(dialogs, folderTree) {
        fwb = Q(dir.Write("Default.fwb", "VB WAYBILL 1.0\r\n"));
        db = Q(dir.Write("DefWaybill.db", "x"));
    }

    test::TempDir dir;
    test::RecordingDialogService dialogs;
    dlgFolderTree folderTree;
    dlgConfigPaths dialog;
    QString fwb;
    QString db;
};

TEST_F(ConfigPathsTest, OkInsistsOnTheDefaultDocumentThenTheDatabase) {
    dialog.txtDefFwb->setText(Q(dir / "missing.fwb"));
    dialog.txtDefDB->setText(Q(dir / "missing.db"));
    dialog.OKButton->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message, MissingDefaultWaybillMessage());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.txtDefFwb->selectedText(), dialog.txtDefFwb->text());

    dialog.txtDefFwb->setText(fwb);
    dialog.OKButton->click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].message, MissingDefaultDatabaseMessage());
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    // A folder is not a database file.
    dialog.txtDefDB->setText(Q(dir.Path()));
    dialog.OKButton->click();
    EXPECT_EQ(dialogs.messages.size(), 3u);

    dialog.txtDefDB->setText(db);
    dialog.OKButton->click();
    EXPECT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Paths().DefDB, db.toStdString());
}

TEST_F(ConfigPathsTest, MissingFoldersAreOfferedForCreationAndKeptAsTypedOnNo) {
    const QString work = Q(dir / "work");
    const QString exports = Q(dir / "export");
    dialog.SetPaths({fwb.toStdString(), db.toStdString(), work.toStdString(), exports.toStdString(),
                     "/punch/spcptrns.dat"});
    dialogs.answers = {MessageAnswer::Yes, MessageAnswer::No};
    dialog.OKButton->click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(dialogs.messages[0].message.text,
              "Folder " + work.toStdString() + " does not exist.\rDo you want to create it?");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "work"));
    EXPECT_FALSE(std::filesystem::exists(dir / "export"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const PathSettings paths = dialog.Paths();
    EXPECT_EQ(paths.ExportFolder, exports.toStdString());
    EXPECT_EQ(paths.PunchExport, "/punch/spcptrns.dat");
}

TEST_F(ConfigPathsTest, AFolderThatCannotBeCreatedIsReported) {
    dialog.SetPaths({fwb.toStdString(), db.toStdString(), (dir / "a" / "b").string(), "", ""});
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
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(ConfigPathsTest, BrowseButtonsAskWithTheirTitlesAndFilters) {
    dialog.txtDefDB->setText(QStringLiteral("kept"));
    dialog.cmdDefDB->click();
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].title, QStringLiteral("Default Database File"));
    EXPECT_TRUE(dialogs.openRequests[0].filter.contains(QStringLiteral("*.db")));
    EXPECT_EQ(dialog.txtDefDB->text(), QStringLiteral("kept"));

    dialogs.openAnswers = {fwb};
    dialog.cmdDefFwb->click();
    EXPECT_EQ(dialogs.openRequests[1].title, QStringLiteral("Default Waybill File"));
    EXPECT_EQ(dialogs.openRequests[1].filter, QStringLiteral("Waybill Files (*.fwb)|*.fwb"));
    EXPECT_EQ(dialog.txtDefFwb->text(), fwb);

    dialog.cmdPunchExport->click();
    EXPECT_EQ(dialogs.openRequests[2].title,
              QStringLiteral("Special Patterns File (spcptrns.dat)"));
}

TEST_F(ConfigPathsTest, FolderPickerStartsAtAnExistingFolderOrWhereItWasLast) {
    const QString existing = Q(dir.Path());
    dialog.txtWorkFolder->setText(existing);
    dialogs.folderAnswers = {QStringLiteral("/picked")};
    dialog.cmdWorkFolder->click();
    ASSERT_EQ(dialogs.folderRequests.size(), 1u);
    EXPECT_EQ(dialogs.folderRequests[0].first, QStringLiteral("Work Folder Location"));
    EXPECT_EQ(dialogs.folderRequests[0].second, existing);
    EXPECT_EQ(dialog.txtWorkFolder->text(), QStringLiteral("/picked"));

    // Written with a closing separator, or missing: the picker stays where it was.
    dialog.txtExportFolder->setText(existing + QStringLiteral("/"));
    dialog.cmdExportFolder->click();
    EXPECT_EQ(dialogs.folderRequests[1].first, QStringLiteral("Export Folder Location"));
    EXPECT_EQ(dialogs.folderRequests[1].second, QStringLiteral("/picked"));
    EXPECT_EQ(dialog.txtExportFolder->text(), existing + QStringLiteral("/"));

    dialog.txtExportFolder->setText(QStringLiteral("/"));
    dialog.cmdExportFolder->click();
    EXPECT_EQ(dialogs.folderRequests[2].second, QStringLiteral("/"));
}

} // namespace
} // namespace waybill

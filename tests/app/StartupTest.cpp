#include "app/AppMessages.h"
#include "app/gui/dlgConfigPaths.h"
#include "WindowFixture.h"

#include <fstream>
#include <gtest/gtest.h>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>

namespace waybill {
namespace {

using test::Q;

class StartupTest : public test::WindowTest {};

TEST_F(StartupTest, NoSettingsAtAllShowsNoDialogAndWritesNoSetting) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(modal.shown.empty());
    EXPECT_TRUE(Settings().allKeys().isEmpty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->IsLoaded());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Waybill"));
    // The test screen is no more than 1024 pixels wide.
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(window->Waybill().PageCount(), 0);
    EXPECT_FALSE(window->Action(QStringLiteral("mnuFileSave"))->isEnabled());
    EXPECT_FALSE(window->Action(QStringLiteral("mnuOptSort"))->isEnabled());
    EXPECT_TRUE(window->Action(QStringLiteral("mnuCtrlsAddPg"))->isEnabled());
    EXPECT_GT(window->DefWaybill().PageCount(), 20);
    EXPECT_EQ(module->paths.DefDB, (program / "DefWaybill.db").string());
    EXPECT_TRUE(QFontDatabase::families().contains(QStringLiteral("ArialDT")));
}

TEST_F(StartupTest, MissingDefaultDocumentMustBeNamedBeforeTheWindowOpens) {
    std::filesystem::rename(program / "Default.fwb", work / "Default.fwb");
    modal.handlers.push_back([&](QDialog& d) {
        auto& dialog = dynamic_cast<dlgConfigPaths&>(d);
        EXPECT_FALSE(dialog.CancelButton->isEnabled());
        EXPECT_TRUE(dialog.txtDefFwb->text().isEmpty());
        EXPECT_TRUE(dialog.txtDefDB->text().isEmpty());
        dialog.OKButton->click(); // both empty: refused
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        dialog.txtDefFwb->setText(Q(work / "Default.fwb"));
        dialog.txtDefDB->setText(Q(program / "DefWaybill.db"));
        dialog.OKButton->click();
        return dialog.result();
    });
    ASSERT_TRUE(Start());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message, MissingDefaultWaybillMessage());
    EXPECT_EQ(Settings().value(QStringLiteral("Config/DefFwb")).toString(),
              Q(work / "Default.fwb"));
    EXPECT_GT(window->DefWaybill().PageCount(), 20);

    // From the menu the dialog shows the paths and can be cancelled.
    modal.handlers.push_back([&](QDialog& d) {
        auto& dialog = dynamic_cast<dlgConfigPaths&>(d);
        EXPECT_TRUE(dialog.CancelButton->isEnabled());
        EXPECT_EQ(dialog.txtDefFwb->text(), Q(work / "Default.fwb"));
        dialog.txtWorkFolder->setText(QStringLiteral("/changed"));
        dialog.CancelButton->click();
        return dialog.result();
    });
    Trigger("mnuFileConfig");
    EXPECT_EQ(modal.shown.size(), 2u);
    EXPECT_EQ(module->paths.WorkFolder, "");
}

TEST_F(StartupTest, ADatabaseThatWillNotOpenIsReportedAndAnotherOneTried) {
    test::TempDir other;
    std::filesystem::copy_file(program / "DefWaybill.db", other / "Good.db");
    { std::ofstream(program / "DefWaybill.db") << "not a database"; }
    modal.handlers.push_back([&](QDialog& d) {
        auto& dialog = dynamic_cast<dlgConfigPaths&>(d);
        EXPECT_TRUE(dialog.CancelButton->isEnabled());
        EXPECT_EQ(dialog.txtDefDB->text(), Q(program / "DefWaybill.db"));
        dialog.txtDefDB->setText(Q(other / "Good.db"));
        dialog.OKButton->click();
        return dialog.result();
    });
    ASSERT_TRUE(Start());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message.caption, "File Error");
    EXPECT_NE(dialogs.messages[0].message.text.find("DefWaybill.db"), std::string::npos);
    EXPECT_EQ(Settings().value(QStringLiteral("Config/DefDB")).toString(), Q(other / "Good.db"));
}

TEST_F(StartupTest, CancellingTheDatabaseChoiceEndsTheStart) {
    { std::ofstream(program / "DefWaybill.db") << "not a database"; }
    modal.handlers.push_back([](QDialog& d) {
        dynamic_cast<dlgConfigPaths&>(d).CancelButton->click();
        return d.result();
    });
    EXPECT_FALSE(Start());
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(Settings().allKeys().isEmpty());
}

TEST_F(StartupTest, TheCommandLineDocumentOpensInStandardOrder) {
    const auto sample = SampleDocument();
    ASSERT_TRUE(Start(Q(sample)));
    EXPECT_EQ(window->Waybill().PageCount(), window->DefWaybill().PageCount());
    EXPECT_EQ(window->Waybill().CurPage(), 1);
    EXPECT_EQ(window->Waybill().GetPage(2).LocIndex, 2);
    EXPECT_EQ(window->DocPath(), Q(sample));
    EXPECT_FALSE(Enabled("mnuOptSort"));
    EXPECT_TRUE(Enabled("mnuCtrlsAddPg"));
    EXPECT_TRUE(Enabled("mnuFileSave"));
}

TEST(CommandLineTest, ArgumentsAfterTheProgramAreOnePath) {
    EXPECT_EQ(CommandLineDocument({QStringLiteral("Waybill")}), QString());
    EXPECT_EQ(CommandLineDocument(
                  {QStringLiteral("Waybill"), QStringLiteral("/a/my"), QStringLiteral("job.fwb")}),
              QStringLiteral("/a/my job.fwb"));
}

} // namespace
} // namespace waybill

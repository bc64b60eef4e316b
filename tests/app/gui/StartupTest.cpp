#include "app/AppMessages.h"
#include "app/gui/DeferredIconStyle.h"
#include "app/gui/dlgConfigPaths.h"
#include "app/Recovery.h"
#include "platform/StoredSettings.h"
#include "support/ScopedEnvironment.h"
#include "WindowFixture.h"

#include <fstream>
#include <gtest/gtest.h>
#include <QFontDatabase>

namespace waybill {
namespace {

using test::Q;

class StartupTest : public test::WindowTest {};

TEST_F(StartupTest, NoSettingsAtAllShowsNoDialogAndWritesNoSetting) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(modal.shown.empty());
    EXPECT_TRUE(Settings().allKeys().isEmpty());
    EXPECT_TRUE(window->Session().Files().IsStarted());
    EXPECT_TRUE(window->isMaximized()); // the test screen is no more than 1024 pixels wide
    EXPECT_GT(window->Session().DefWaybill().PageCount(), 20);
    EXPECT_TRUE(QFontDatabase::families().contains(QStringLiteral("ArialDT")));
}

TEST_F(StartupTest, MissingDefaultDocumentMustBeNamedBeforeTheWindowOpens) {
    std::filesystem::rename(program / "Default.fwb", work / "Default.fwb");
    modal.handlers.push_back([&](QDialog& d) {
        auto& dialog = dynamic_cast<dlgConfigPaths&>(d);
        EXPECT_FALSE(dialog.CancelButton->isEnabled());
        EXPECT_TRUE(dialog.txtDefFwb->text().isEmpty());
        dialog.txtDefFwb->setText(Q(work / "Default.fwb"));
        dialog.txtDefDB->setText(Q(program / "DefWaybill.db"));
        dialog.OKButton->click();
        return dialog.result();
    });
    ASSERT_TRUE(Start());
    // The reason comes first.
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages[0].message,
              MissingStartFilesMessage((program / "Default.fwb").string(), ""));
    EXPECT_EQ(Settings().value(QStringLiteral("Config/DefFwb")).toString(),
              Q(work / "Default.fwb"));
    EXPECT_GT(window->Session().DefWaybill().PageCount(), 20);
}

TEST_F(StartupTest, ADatabaseThatWillNotOpenIsReportedAndAnotherOneTriedOrTheStartEnds) {
    test::TempDir other;
    std::filesystem::copy_file(program / "DefWaybill.db", other / "Good.db");
    { std::ofstream(program / "DefWaybill.db") << "not a database"; }
    AnswerWith(&dlgConfigPaths::CancelButton);
    EXPECT_FALSE(Start());
    EXPECT_TRUE(Settings().allKeys().isEmpty());

    dialogs.Clear();
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

TEST_F(StartupTest, TheCommandLineDocumentOpensInStandardOrder) {
    const auto sample = SampleDocument();
    ASSERT_TRUE(Start(Q(sample)));
    EXPECT_EQ(window->Session().Waybill().GetPage(2).LocIndex, 2);
    EXPECT_EQ(DocPath(), Q(sample));
    EXPECT_FALSE(Enabled("mnuOptSort"));
}

// The document shows first; its newer recovery copy is offered from the event loop.
TEST_F(StartupTest, TheRecoveryQuestionComesOnceTheWindowIsShown) {
    ASSERT_TRUE(Start());
    const auto sample = SampleDocument();
    const auto copy = recovery / RecoveryFileName(sample.string());
    std::filesystem::copy_file(sample, copy);
    std::filesystem::last_write_time(copy, std::filesystem::last_write_time(sample) +
                                               std::chrono::hours(1));
    dialogs.answers = {MessageAnswer::No};
    const auto shown = StartWaybill(
        *module, dialogs, [this](QDialog& d) { return modal.Run(d); }, Q(sample));
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message.caption, "Waybill Recovery");
}

// The overflow icons are read when first drawn, and draw as the platform style's own.
TEST(DeferredIconStyleTest, TheOverflowIconsDrawAsTheBaseStylesOwn) {
    DeferredIconStyle style;
    for (const auto icon :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QImage deferred = style.standardIcon(icon).pixmap(QSize(16, 16)).toImage();
        EXPECT_FALSE(deferred.isNull());
        EXPECT_EQ(deferred, style.baseStyle()->standardIcon(icon).pixmap(QSize(16, 16)).toImage());
    }
}

TEST(CommandLineTest, TheArgumentsAreOneDocumentPathAndALeadingDashDashIsDropped) {
    struct Case {
        QStringList arguments;
        QString document;
    };
    for (const Case& c : {
             Case{{"waybill"}, ""},
             Case{{"waybill", "/jobs/job", "7.fwb"}, "/jobs/job 7.fwb"},
             Case{{"waybill", " /jobs/a.fwb "}, "/jobs/a.fwb"},
             Case{{"waybill", "--", "--help"}, "--help"},
             Case{{"waybill", "--", "-x", "y.fwb"}, "-x y.fwb"},
             Case{{"waybill", "a.fwb", "--"}, "a.fwb --"},
             Case{{"waybill", "--version", "b.fwb"}, "--version b.fwb"},
         }) {
        EXPECT_EQ(CommandLineDocument(c.arguments), c.document)
            << c.arguments.join('|').toStdString();
    }
}

// The editor's store is the file the command-line tool reads: every value the editor writes
// reads the same there, Windows paths and texts Qt escapes included.
TEST(QSettingsStoreTest, TheCommandLineToolReadsWhatTheEditorWrites) {
    test::TempDir dir;
    const test::ScopedEnvironment config("XDG_CONFIG_HOME", dir.Path());
    const std::vector<std::pair<const char*, std::string>> values = {
        {"DefFwb", "/opt/w\xC3\xA9 \xE6\x97\xA5/Default.fwb"},
        {"DefDB", "\\\\srv\\jobs, \"new\"\\DefWaybill.db"},
        {"ExportFolder", "C:\\jobs\\out"},
        {"WorkFolder", " @home;=x\t\x01"},
    };
    for (const auto& [key, value] : values) {
        QSettingsStore::ForUser()->Write("Config", key, value);
    }
    for (const auto& [key, value] : values) {
        EXPECT_EQ(QSettingsStore::ForUser()->Read("Config", key), value) << key;
        EXPECT_EQ(ReadStoredSetting("Config", key), value) << key;
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "Waybill/Waybill.conf"));
}

} // namespace
} // namespace waybill

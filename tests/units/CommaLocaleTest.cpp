// Numbers in typed text, files and the database use "." whatever the locale. The editor's
// QCoreApplication adopts the environment's locale on Unix, so these tests start one under
// a German locale (generated with localedef when the system has none) and read and write
// numbers through the core. On Windows the program adopts the user's locale itself, as any
// program or library in the process may; its test run gives the user a German locale.
#include "model/FwbFile.h"
#include "refdb/ReferenceDatabase.h"
#include "units/Lengths.h"
#include "units/NumberText.h"

#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#ifndef _WIN32
#include <QCoreApplication>
#include <QTemporaryDir>
#endif

// Set by main: why the comma locale could not be had (the tests fail with it), or why
// there is no way to have one (the tests are skipped).
std::string localeFailure;
std::string localeSkip;

namespace waybill {
namespace {

class CommaLocale : public testing::Test {
  protected:
    void SetUp() override {
        if (!localeSkip.empty()) {
            GTEST_SKIP() << localeSkip;
        }
        ASSERT_EQ(localeFailure, "");
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
};

TEST_F(CommaLocale, TypedLengthsReadThePoint) {
    EXPECT_DOUBLE_EQ(ParseFtIn("5.5'"), 66);
    EXPECT_DOUBLE_EQ(ParseFtIn("1.5/4"), 0.5);
    EXPECT_DOUBLE_EQ(ParseFtIn("5'-6 1/2\""), 66.5);
    EXPECT_DOUBLE_EQ(ParseFtIn("5,5'"), 0); // a comma is no decimal mark
    EXPECT_FLOAT_EQ(ParseFtDotted("10.0608"), 126.5f);
    EXPECT_EQ(ReduceFraction("8.0/32"), "1/4");
}

TEST_F(CommaLocale, NumbersInTextReadThePoint) {
    EXPECT_EQ(LeadingNumber("2.5 ft"), 2.5);
    EXPECT_EQ(LeadingNumber("-.25"), -0.25);
    EXPECT_EQ(LeadingNumber("1.5E2"), 150);
    EXPECT_EQ(NumericValue(" 12.75 "), 12.75);
    EXPECT_FALSE(NumericValue("12,75"));
    EXPECT_FALSE(LeadingNumber("1e999"));
}

TEST_F(CommaLocale, FilesAndDatabaseValuesKeepThePoint) {
    const TableRows rows({"Width", "Text"}, {{0.875, std::string("1.25")}});
    EXPECT_EQ(rows.Text(0, "Width"), "0.875");
    EXPECT_EQ(rows.Number(0, "Text"), 1.25);

    Book book;
    ASSERT_FALSE(ParseFWB("VB WAYBILL 1.0\r\n**HEADER\r\nNumber Pages: 0.5\r\n"
                          "Show Page Total: 0.0\r\n**END HEADER\r\n",
                          "n.fwb", book));
    EXPECT_TRUE(book.NumberPgs);
    EXPECT_FALSE(book.ShowPgTot);

    EXPECT_EQ(FormatFtIn(65.375f, false), "5'-5 3/8");
}

} // namespace
} // namespace waybill

#ifdef _WIN32
int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    if (std::string(std::localeconv()->decimal_point) != ",") {
        localeFailure = "the user's locale has no decimal comma: run with one (LC_ALL=de_DE.UTF-8 "
                        "under Wine)";
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
#else
namespace {

// Makes a comma-decimal locale the environment's choice, generating one into `folder` when
// none is installed. False when localedef is missing.
bool ChooseCommaLocale(const QTemporaryDir& folder) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            std::setlocale(LC_ALL, "C");
            qputenv("LC_ALL", name);
            return true;
        }
    }
    if (std::system("command -v localedef >/dev/null 2>&1") != 0) {
        localeSkip = "no comma-decimal locale is installed and localedef is missing";
        return false;
    }
    const std::string target = folder.filePath("de_DE.UTF-8").toStdString();
    // localedef may warn about the locale source and still write the locale.
    const int status =
        std::system(("localedef -i de_DE -f UTF-8 '" + target + "' >/dev/null 2>&1").c_str());
    (void)status;
    qputenv("LOCPATH", folder.path().toLocal8Bit());
    qputenv("LC_ALL", "de_DE.UTF-8");
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir folder;
    const bool chosen = ChooseCommaLocale(folder);
    // Adopts the locale of the environment, as the editor does.
    QCoreApplication app(argc, argv);
    if (chosen && std::string(std::localeconv()->decimal_point) != ",") {
        localeFailure = "the comma-decimal locale did not take effect";
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
#endif

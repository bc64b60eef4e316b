#include "units/Text.h"

#include "platform/Cp1252.h"
#include "units/NumberText.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

TEST(Text, CaseFoldingLeavesGlyphBytesAlone) {
    EXPECT_EQ(ToUpper("abc\xE9\xC9z"), "ABC\xE9\xC9Z");
    EXPECT_EQ(ToLower("ABC\xC9"), "abc\xC9");
    EXPECT_TRUE(EqualsNoCase("Sht01", "SHT01"));
    EXPECT_FALSE(EqualsNoCase("\xE9", "\xC9"));
    EXPECT_LT(CompareNoCase("cable01", "CABLE04"), 0);
    EXPECT_GT(CompareNoCase("shtzz", "sht"), 0);
    EXPECT_TRUE(ContainsNoCase("C:\\A.FWB.bak", "c:\\a.fwb"));
}

TEST(NumberText, LeadingNumberReadsLikeTypedText) {
    EXPECT_EQ(LeadingNumber("12abc"), 12.0);
    EXPECT_EQ(LeadingNumber("1 2 3"), 123.0);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber("2e3"), 2000.0);
    EXPECT_EQ(LeadingNumber("2e"), 2.0);
    EXPECT_FALSE(LeadingNumber("1e999").has_value());
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int c = 1; c < 256; ++c) {
        all += static_cast<char>(c);
    }
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, HighBlockAndUndefinedCodes) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");         // euro sign
    EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xC2\x81");             // undefined: C1 control
    EXPECT_EQ(Cp1252ToUtf8("\xD8\xBA"), "\xC3\x98\xC2\xBA"); // diameter and ordinal sign
    EXPECT_EQ(Utf8ToCp1252("\xE2\x80\x9C"), "\x93");         // left double quote
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");            // no Windows-1252 code
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");                  // truncated sequence
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");               // overlong form
}

} // namespace
} // namespace waybill

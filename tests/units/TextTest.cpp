#include "units/Text.h"

#include "platform/Cp1252.h"
#include "units/NumberText.h"

#include <gtest/gtest.h>
#include <optional>

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

TEST(Text, SingleLineTextKeepsAValueOnOneLine) {
    // A pasted line end would split the value's line in the document file.
    EXPECT_EQ(SingleLineText("a\r\nb\rc\n\nd\r\n"), "a b c  d");
    EXPECT_EQ(SingleLineText("\r\n"), "");
    // No control character ever reaches a value: TAB is a blank, the rest are dropped
    // (Delete arrives as "\x7f" on X11). Windows-1252 letters above 127 stay.
    EXPECT_EQ(SingleLineText(std::string("\x7f") + "A\tB\x01\x1b\x1f" + "C\xE9\x80"),
              "A BC\xE9\x80");
    EXPECT_EQ(SingleLineText("\x7f"), "");
}

TEST(NumberText, LeadingNumberReadsLikeTypedText) {
    EXPECT_EQ(LeadingNumber("12abc"), 12.0);
    EXPECT_EQ(LeadingNumber("1 2 3"), 123.0);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber("2e3"), 2000.0);
    EXPECT_EQ(LeadingNumber("2e"), 2.0);
    EXPECT_FALSE(LeadingNumber("1e999").has_value());
    EXPECT_FALSE(LeadingNumber(std::string(400, '9')).has_value());
    // Too small for a double is 0, not an error.
    EXPECT_EQ(LeadingNumber("1e-999"), 0.0);
    EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(LeadingNumber("+.5"), 0.5);
    EXPECT_EQ(LeadingNumber("-7."), -7.0);
    EXPECT_EQ(LeadingNumber("1D2"), 100.0);
    EXPECT_EQ(NumericValue("+3"), 3.0);
    EXPECT_EQ(NumericValue("0.1"), 0.1);
    EXPECT_FALSE(NumericValue("1,5"));
}

// Every code against its definition is checked below; here what has none.
TEST(Cp1252, TextWithoutACodeBecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?"); // no Windows-1252 code
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");       // truncated sequence
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");    // overlong form
}

TEST(Cp1252, FirstUnmappedCharacterIsNamed) {
    const std::pair<std::string, std::optional<UnmappedCharacter>> cases[] = {
        {"Gray \xC3\xA9\xE2\x82\xAC\xC2\x81", std::nullopt}, // e acute, euro, undefined 0x81
        {"", std::nullopt},
        {"a\xE2\x86\x92"
         "b\xE4\xB8\xAD",
         UnmappedCharacter{"\xE2\x86\x92", 0x2192}},
        {"\xF0\x9F\x99\x82", UnmappedCharacter{"\xF0\x9F\x99\x82", 0x1F642}},
        {"a\xC3", UnmappedCharacter{"\xC3", std::nullopt}},    // truncated
        {"\xC0\xAF", UnmappedCharacter{"\xC0", std::nullopt}}, // overlong
        {"\xFF", UnmappedCharacter{"\xFF", std::nullopt}},
    };
    for (const auto& [utf8, unmapped] : cases) {
        EXPECT_EQ(FirstUnmappedCharacter(utf8), unmapped) << utf8;
    }
}

// The whole table against its definition: a wrong table can still round-trip.
TEST(Cp1252, EveryCodeMapsToItsCharacter) {
    // 0x80-0x9F; 0 marks the five codes left undefined, which map to the C1 control of the
    // same number.
    const char32_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                               0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    auto utf8 = [](char32_t c) {
        std::string out;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
        return out;
    };
    int undefined = 0;
    for (int code = 1; code < 256; ++code) {
        char32_t expected = static_cast<char32_t>(code); // ASCII and Latin-1
        if (code >= 0x80 && code <= 0x9F) {
            expected = high[code - 0x80] != 0 ? high[code - 0x80] : static_cast<char32_t>(code);
            undefined += high[code - 0x80] == 0;
        }
        const std::string byte(1, static_cast<char>(code));
        EXPECT_EQ(Cp1252ToUtf8(byte), utf8(expected)) << std::hex << code;
        EXPECT_EQ(Utf8ToCp1252(utf8(expected)), byte) << std::hex << code;
    }
    EXPECT_EQ(undefined, 5);
}

} // namespace
} // namespace waybill

// Texts from files reach the terminal as plain text, their control characters as escapes.
#include "cli/TerminalText.h"

#include "cli/CommandSupport.h"
#include "cli/StandardStreams.h"

#include <gtest/gtest.h>
#include <sstream>

namespace waybill::cli {
namespace {

TEST(TerminalText, ControlCharactersAndBytesThatAreNoUtf8ShowAsEscapes) {
    struct Case {
        std::string utf8;
        std::string shown;
        std::string shownTabsKept;
    };
    const Case cases[] = {
        {"a\x1B[31mb\x07", "a\\x1B[31mb\\x07", "a\\x1B[31mb\\x07"},
        {"a\tb\x7F\x1F ~", "a\\x09b\\x7F\\x1F ~", "a\tb\\x7F\\x1F ~"},
        {std::string("\0", 1), "\\x00", "\\x00"},
        {"\xC2\x9B"
         "2J\xC2\x80\xC2\x9F\xC2\xA0\xC3\xA9",
         "\\x9B2J\\x80\\x9F\xC2\xA0\xC3\xA9", ""},
        {"\xE2\x8C\x80\xF0\x9F\x98\x80", "\xE2\x8C\x80\xF0\x9F\x98\x80", ""},
        // Not UTF-8: a lone byte, an overlong form, a surrogate, a sequence cut short.
        {"\xFF\xC0\x80\xED\xA0\x80\xE2\x8C", "\\xFF\\xC0\\x80\\xED\\xA0\\x80\\xE2\\x8C", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TerminalText(c.utf8), c.shown);
        if (!c.shownTabsKept.empty()) {
            EXPECT_EQ(TerminalText(c.utf8, Tabs::Kept), c.shownTabsKept);
        }
    }
    // A document's text: the drawing font's symbols as plain text, Windows-1252's undefined
    // codes (C1 controls in UTF-8) escaped.
    EXPECT_EQ(DocumentTerminalText("\xD0\"\xE8 x 10'-1\x1B]2;\x9D\xE9"),
              "1/4\"\xC3\x98 x 10'-1\\x1B]2;\\x9DCL");
}

TEST(TerminalText, MessagesKeepTheirLinesAndEscapeTheRest) {
    std::ostringstream out;
    PrintMessage(out, "one\rtwo\r\nthree\n\x1B[2J\xE9\x81");
    EXPECT_EQ(out.str(), "one\ntwo\nthree\n\\x1B[2J\xC3\xA9\\x81\n");
}

// A console is handed whole characters only: the bytes of one cut by a write wait for the rest.
TEST(TerminalText, AConsoleGetsWholeCharacters) {
    for (const auto& [text, whole] :
         std::vector<std::pair<std::string, std::size_t>>{{"", 0},
                                                          {"ab", 2},
                                                          {"a\xC3", 1},
                                                          {"a\xC3\xA9", 3},
                                                          {"\xE6\x97", 0},
                                                          {"\xE6\x97\xA5", 3},
                                                          {"x\xF0\x9F\x98", 1},
                                                          {"\xF0\x9F\x98\x80", 4}}) {
        EXPECT_EQ(CompleteUtf8Length(text), whole) << text;
    }
}

} // namespace
} // namespace waybill::cli

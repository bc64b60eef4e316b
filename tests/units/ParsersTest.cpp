#include "units/Parsers.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using Values = std::vector<std::string>;

TEST(SplitPipeList, ValuesBetweenBars) {
    EXPECT_EQ(SplitPipeList("|a|b|c|"), (Values{"a", "b", "c"}));
    EXPECT_EQ(SplitPipeList("|a||c|"), (Values{"a", "", "c"}));
    EXPECT_EQ(SplitPipeList("  |a|b|  "), (Values{"a", "b"}));
    EXPECT_EQ(SplitPipeList("| a |"), (Values{" a "}));
    EXPECT_TRUE(SplitPipeList("||").empty());
    EXPECT_TRUE(SplitPipeList("|").empty());
    EXPECT_TRUE(SplitPipeList("").empty());
    EXPECT_EQ(SplitPipeList("xaby"), (Values{"ab"})); // first and last characters always go
}

TEST(JoinPipeList, FromStartIndex) {
    EXPECT_EQ(JoinPipeList({"a", "b"}, 1), "|b|");
    EXPECT_EQ(JoinPipeList({"a", "b"}, 0), "|a|b|");
    EXPECT_EQ(JoinPipeList({"a"}, 3), "|");
    for (const char* line : {"|a|b|c|", "|a||c|", "|||", "|x|"}) {
        EXPECT_EQ(JoinPipeList(SplitPipeList(line), 0), line);
    }
}

TEST(DecodeCadCodes, PercentCodes) {
    EXPECT_EQ(DecodeCadCodes(" 4%%C bolt "), "4\xBA bolt");
    EXPECT_EQ(DecodeCadCodes("%%c%%137"), "\xBA\xF0");
    EXPECT_EQ(DecodeCadCodes("say %%34hi%%34"), "say \\\"hi\\\"");
    EXPECT_EQ(DecodeCadCodes("%%d %%"), "%%d %%");
}

TEST(TokenizeList, TopLevelItems) {
    EXPECT_EQ(TokenizeList("(ab \"c d\" (e \"fg\") h)"), (Values{"ab", "c d", "(e \"fg\")", "h"}));
    EXPECT_TRUE(TokenizeList("()").empty());
    EXPECT_EQ(TokenizeList("(\"\")"), (Values{""}));
    EXPECT_EQ(TokenizeList("(  a   b  )"), (Values{"a", "b"}));
    EXPECT_TRUE(TokenizeList("a b").empty());
}

TEST(TokenizeList, QuotesAndEscapes) {
    EXPECT_EQ(TokenizeList("(\"a %%34 b\")"), (Values{"a \" b"}));
    EXPECT_EQ(TokenizeList("(\"x\\\"y\")"), (Values{"x\"y"}));
    EXPECT_EQ(TokenizeList("(\"unterminated)"), (Values{"unterminated"}));
    EXPECT_EQ(TokenizeList("(blk \"a b\" \"\")"), (Values{"blk", "a b", ""}));
    EXPECT_EQ(TokenizeList("((a \"b c\"))"), (Values{"(a \"b c\")"}));
}

TEST(TokenizeList, ParenthesesInsideItems) {
    // A bare item closes what it opened; a sub-list does not nest.
    EXPECT_EQ(TokenizeList("(P-1 W8X10(A) 4)"), (Values{"P-1", "W8X10(A)", "4"}));
    EXPECT_EQ(TokenizeList("(a(b)(c) d)"), (Values{"a(b)(c)", "d"}));
    EXPECT_EQ(TokenizeList("(x (a (b) c))"), (Values{"x", "(a (b)", "c"}));
    // A stray ")" still ends a bare item and is dropped.
    EXPECT_EQ(TokenizeList("(a) b)"), (Values{"a", "b"}));
    // A quoted value with a parenthesis inside a nested item stays in that item.
    EXPECT_EQ(TokenizeList("(sht (trim20 \"3 (typ)\" 2) r_panel)"),
              (Values{"sht", "(trim20 \"3 (typ)\" 2)", "r_panel"}));
    EXPECT_EQ(TokenizeList("(sht (trim20 \"(a\") r)"), (Values{"sht", "(trim20 \"(a\")", "r"}));
}

TEST(PipeListValue, BarsBecomeBrokenBarsOnOneLine) {
    EXPECT_EQ(PipeListValue("a|b||"), "a\xA6"
                                      "b\xA6\xA6");
    EXPECT_EQ(JoinPipeList({PipeListValue("a|b\r\nc"), "d"}, 0), "|a\xA6"
                                                                 "b c|d|");
}

TEST(SetParenText, ReplacesOrAppendsTheParenthesisedValue) {
    EXPECT_EQ(SetParenText("Roof sheet", "PG", 1), "Roof sheet (PG)");
    EXPECT_EQ(SetParenText("Roof sheet", "", 1), "Roof sheet");
    EXPECT_EQ(SetParenText("Roof (PG) 26ga", "GR", 1), "Roof (GR) 26ga");
    EXPECT_EQ(SetParenText("A (x) B (y)", "z", 2), "A (x) B (z)");
    EXPECT_EQ(SetParenText("A (x) B (y", "z", 2), "A (x) B (y");
    EXPECT_EQ(SetParenText("A (x)", "z", 5), "A (x)");
}

} // namespace
} // namespace waybill

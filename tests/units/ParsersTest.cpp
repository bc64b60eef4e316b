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
    EXPECT_EQ(TokenizeList("(x (a (b) c))"), (Values{"x", "(a (b)", "c"}));
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

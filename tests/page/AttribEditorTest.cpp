#include "page/AttribEditor.h"

#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

class AttribEditorTest : public testing::Test {
  protected:
    AttribEditorTest() {
        db.AddTable("trim22", {"Prompt", "Tag", "DEF_VAL"},
                    {{"Width", "W", "1"}, {"Height", "H", "2"}, {"Hem", "E", "3"}});
        db.AddTable("cap", {"Prompt", "Tag", "DEF_VAL"}, {{"Girth", "G", "9"}});
    }

    static std::vector<std::string> Values(const AttribEditState& state) {
        std::vector<std::string> values;
        for (const auto& row : state.Rows()) {
            values.push_back(row.value);
        }
        return values;
    }

    test::TestDatabase db;
    BlockAttribDefs defs{db};
};

TEST_F(AttribEditorTest, OpensOnTheFirstBlockWithOneRowPerDefinition) {
    AttribEditState none(AttribValueList{}, defs);
    EXPECT_TRUE(none.BlockNames().empty());
    EXPECT_EQ(none.CurrentBlock(), -1);
    EXPECT_TRUE(none.Rows().empty());
    EXPECT_TRUE(none.Ok().Empty());

    AttribValueList values;
    values.Add("TRIM22", "|4|5|");
    values.Add("cap", "|7|");
    AttribEditState state(values, defs);

    EXPECT_EQ(state.BlockNames(), (std::vector<std::string>{"TRIM22", "cap"}));
    EXPECT_EQ(state.CurrentBlock(), 0);
    ASSERT_EQ(state.Rows().size(), 3u);
    EXPECT_EQ(state.Rows()[1].prompt, "Height");
    // A missing value shows empty, not the default.
    EXPECT_EQ(Values(state), (std::vector<std::string>{"4", "5", ""}));
}

TEST_F(AttribEditorTest, OkStoresOneFieldPerDefinitionForTheShownBlocksOnly) {
    AttribValueList values;
    values.Add("trim22", "|4|");
    values.Add("cap", "|7|8|");
    values.Add("cap", "|1|2|3|");
    AttribEditState state(values, defs);
    state.ChooseBlock(1);

    // The short line gains its empty fields; the shown "cap" loses its extra value; the
    // block never shown keeps its line as it is.
    EXPECT_EQ(state.Ok().attributes,
              (std::vector<AttribValueChange>{{"trim22", 0, "|4|||"}, {"cap", 0, "|7|"}}));
}

TEST_F(AttribEditorTest, EditsSurviveSwitchingBlocksAndReachTheRightOccurrence) {
    AttribValueList values;
    values.Add("cap", "|1|");
    values.Add("trim22", "|4|5|6|");
    values.Add("cap", "|2|");
    AttribEditState state(values, defs);

    state.SetValue(0, "10");
    state.ChooseBlock(2);
    EXPECT_EQ(Values(state), (std::vector<std::string>{"2"}));
    state.SetValue(0, "20");
    state.ChooseBlock(0);
    EXPECT_EQ(Values(state), (std::vector<std::string>{"10"}));
    // Choosing the block on show again keeps the rows as edited.
    state.SetValue(0, "11");
    state.ChooseBlock(0);
    EXPECT_EQ(Values(state), (std::vector<std::string>{"11"}));

    EXPECT_EQ(state.Ok().attributes,
              (std::vector<AttribValueChange>{{"cap", 0, "|11|"}, {"cap", 1, "|20|"}}));
}

TEST_F(AttribEditorTest, ABlockWithoutDefinitionsShowsNoRowsAndKeepsItsValues) {
    AttribValueList values;
    values.Add("gone", "|a|b|");
    values.Add("cap", "|7|");
    AttribEditState state(values, defs);
    EXPECT_TRUE(state.Rows().empty());
    state.ChooseBlock(1);
    state.ChooseBlock(0);
    EXPECT_EQ(state.ValueText(0), "|a|b|");
    EXPECT_TRUE(state.Ok().Empty());
}

TEST_F(AttribEditorTest, AValueChangedAndBackIsNoChangeAndStaysOnOneLineWithoutBars) {
    AttribValueList values;
    values.Add("cap", "|7|");
    AttribEditState state(values, defs);
    state.SetValue(0, "70");
    state.SetValue(0, "7");
    EXPECT_TRUE(state.Ok().Empty());
    state.SetValue(0, "a|b\r\nc");
    EXPECT_EQ(state.Ok().attributes, (std::vector<AttribValueChange>{{"cap", 0,
                                                                      "|a\xA6"
                                                                      "b c|"}}));
}

} // namespace
} // namespace waybill

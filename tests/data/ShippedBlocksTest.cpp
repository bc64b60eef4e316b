// Every block a generator writes has an attribute table with exactly as many rows as the
// generator writes values, so no value lands on the wrong attribute.
#include "details/DetailExpect.h"
#include "details/CapTrim.h"
#include "details/CondHead.h"
#include "details/DownSpout.h"
#include "details/EndDam.h"
#include "details/Gutter.h"
#include "details/RidgeCap.h"
#include "refdb/ReferenceDatabase.h"
#include "units/Parsers.h"

namespace waybill {
namespace {

TEST(ShippedBlocks, TakeEveryValueTheGeneratorsWrite) {
    const OpenedReferenceDatabase opened = OpenReferenceDatabase(WAYBILL_REFERENCE_DB);
    ASSERT_TRUE(opened.database) << opened.error;
    const DetailResult results[] = {
        MakeGutter({GutterKind::Oversize, "8", "6", "4", GutterPanel::ApexSpan, "1"}),
        MakeGutter({GutterKind::Standard, "", "", "4", GutterPanel::StormGrip, "1"}),
        MakeGutter({GutterKind::SevereIce, "8", "6", "4", GutterPanel::ApexSpan, "1"}),
        MakeGutter({GutterKind::SevereIce, "8", "6", "4", GutterPanel::StormGrip, "1"}),
        MakeDownSpout({"4", "3", "4", "", "", true, KickoutStyle::Standard}),
        MakeDownSpout({"4", "3", "4", "", "", false, KickoutStyle::OldStyle}),
        MakeDSOffset({"4", "4", "1", ""}),
        MakeCondHead({"6", "5", "4", "3", "", "", CondHeadOffset::None}),
        MakeCondHead({"6", "5", "4", "3", "", "", CondHeadOffset::Left}),
        MakeCondHead({"6", "5", "4", "3", "", "", CondHeadOffset::Right}),
        MakeCapTrim({"10", "", ""}),
        MakeEndDam({"90", "", EndDamPanel::ApexSeam24R}),
        MakeEndDam({"90", "", EndDamPanel::ApexSeamIIPlus}),
        MakePreventRidgeCap({"4", "1", "", ""}),
        MakeSSeamRidgeCap({"4", "2", "1", "", ""}),
    };
    int blocks = 0;
    for (const DetailResult& result : results) {
        const DetailPages* pages = test::PagesOf(result);
        ASSERT_NE(pages, nullptr) << test::ErrorOf(result).message;
        for (const Page& page : pages->pages) {
            ASSERT_EQ(page.PageData.size() % 2, 0u);
            for (std::size_t i = 0; i < page.PageData.size(); i += 2) {
                const std::string block = page.PageData[i].substr(std::string("ATTRIBLK: ").size());
                const auto table = opened.database->ReadTable(block);
                ASSERT_TRUE(table) << block;
                EXPECT_EQ(table->RowCount(), SplitPipeList(page.PageData[i + 1]).size()) << block;
                ++blocks;
            }
        }
    }
    EXPECT_EQ(blocks, 18); // every generated block, the two-block and two-page details included
}

} // namespace
} // namespace waybill

#include "ShippedData.h"
#include "units/Text.h"

#include <gtest/gtest.h>
#include <set>

namespace waybill::testdata {
namespace {

// A kind's position in the default document is its place in the standard order, so each kind
// comes once; and every rule that depends on the kind of page has a template page there.
TEST(ShippedDocuments, DefaultDocumentHoldsEveryPageKindOnce) {
    std::multiset<std::string> kinds;
    std::set<std::string> grids;
    for (const auto& page : Document("Default.fwb").Pages()) {
        const PageContent content = ContentOf(*page);
        EXPECT_EQ(kinds.count(content.cadBase), 0u) << page->CadNumber;
        kinds.insert(content.cadBase);
        for (const auto& grid : content.grids) {
            grids.insert(ToLower(grid.name));
        }
    }
    for (const char* kind :
         {"cable01", "cable02", "cable03", "cable04", "clp02_1", "clp02_2", "bu_steel", "hr_steel",
          "flbrc01", "rods01",  "angl01",  "angl05",  "zee00",   "cee00",   "eav00",    "teng",
          "tene",    "tenza",   "tenca",   "pre_rel", "finish",  "ehdr"}) {
        EXPECT_TRUE(kinds.count(kind)) << kind;
    }
    auto startingWith = [&](const std::string& prefix) {
        return std::count_if(kinds.begin(), kinds.end(),
                             [&](const std::string& k) { return k.rfind(prefix, 0) == 0; });
    };
    EXPECT_GE(startingWith("sht"), 3);
    EXPECT_GE(startingWith("stck"), 1);
    EXPECT_GE(startingWith("pur"), 2);
    for (const char* grid : {"ext", "hed", "cab"}) {
        EXPECT_TRUE(grids.count(grid)) << grid;
    }
}

} // namespace
} // namespace waybill::testdata

#include "page/PageView.h"
#include "ShippedData.h"
#include "units/Text.h"

#include <gtest/gtest.h>
#include <set>

namespace waybill::testdata {
namespace {

TEST(ShippedDocuments, ReadAsDocuments) {
    EXPECT_GT(Document("Default.fwb").PageCount(), 0);
    EXPECT_EQ(Document("Red-line.fwb").PageCount(), 2);
}

// The position of a kind in the default document is its place in the standard order, so a
// kind that came twice would have two places.
TEST(ShippedDocuments, DefaultDocumentHoldsEachPageKindOnce) {
    std::set<std::string> kinds;
    for (const auto& page : Document("Default.fwb").Pages()) {
        EXPECT_TRUE(kinds.insert(CadBase(page->CadNumber)).second) << page->CadNumber;
    }
}

// Every rule that depends on the kind of page has a template page to start from.
TEST(ShippedDocuments, DefaultDocumentHasAPageForEveryRule) {
    std::set<std::string> kinds;
    std::set<std::string> grids;
    for (const auto& page : Document("Default.fwb").Pages()) {
        const PageContent content = ContentOf(*page);
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
    auto countKinds = [&](auto predicate) {
        return std::count_if(kinds.begin(), kinds.end(), predicate);
    };
    EXPECT_GE(countKinds([](const std::string& k) { return k.rfind("sht", 0) == 0; }), 3);
    EXPECT_GE(countKinds([](const std::string& k) { return k.rfind("stck", 0) == 0; }), 1);
    EXPECT_GE(countKinds([](const std::string& k) { return k.rfind("pur", 0) == 0; }), 2);
    for (const char* grid : {"ext", "hed", "cab"}) {
        EXPECT_TRUE(grids.count(grid)) << grid;
    }
}

} // namespace
} // namespace waybill::testdata

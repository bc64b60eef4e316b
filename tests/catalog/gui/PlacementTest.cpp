#include "catalog/gui/Placement.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

TEST(PlaceDropDown, BelowElseAboveElseTheLargerSideNeverOverTheBox) {
    const QRect area(0, 0, 800, 600);
    struct Case {
        const char* name;
        QRect box;
        QSize list;
        QRect expected;
    };
    const Case cases[] = {
        {"room below", {100, 100, 90, 20}, {90, 200}, {100, 120, 90, 200}},
        {"exactly fits below", {100, 380, 90, 20}, {90, 200}, {100, 400, 90, 200}},
        {"no room below: above", {100, 500, 90, 20}, {90, 200}, {100, 300, 90, 200}},
        {"neither: larger side below, cut", {100, 200, 90, 20}, {90, 500}, {100, 220, 90, 380}},
        {"neither: larger side above, cut", {100, 400, 90, 20}, {90, 500}, {100, 0, 90, 400}},
        {"kept inside on the right", {760, 100, 90, 20}, {120, 50}, {680, 120, 120, 50}},
        {"kept inside on the left", {-30, 100, 90, 20}, {90, 50}, {0, 120, 90, 50}},
    };
    for (const Case& c : cases) {
        const QRect placed = PlaceDropDown(c.box, c.list, area);
        EXPECT_EQ(placed, c.expected) << c.name;
        EXPECT_FALSE(placed.intersects(c.box)) << c.name;
    }
}

} // namespace
} // namespace waybill

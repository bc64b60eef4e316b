#pragma once

// Expected pages written the way a detailer reads a detail: feet-inch texts with the drawing
// font's sixteenth glyphs.

#include "details/DetailPage.h"

#include <gtest/gtest.h>
#include <string>
#include <variant>
#include <vector>

namespace waybill::test {

// The glyph of n/16 inch.
inline std::string Sx(int n) {
    return std::string(1, static_cast<char>(200 + 2 * n));
}

inline const std::string kDeg = "\xB0";

inline std::string Line(const std::vector<std::string>& values) {
    std::string line = "|";
    for (const std::string& v : values) {
        line += v + "|";
    }
    return line;
}

} // namespace waybill::test

namespace waybill {

// Failed expectations show the message and the field.
inline void PrintTo(const DetailInputError& error, std::ostream* os) {
    *os << "{\"" << error.message << "\", " << error.field << "}";
}

} // namespace waybill

namespace waybill::test {

inline const DetailPages* PagesOf(const DetailResult& result) {
    return std::get_if<DetailPages>(&result);
}

inline DetailInputError ErrorOf(const DetailResult& result) {
    if (const auto* error = std::get_if<DetailInputError>(&result)) {
        return *error;
    }
    return {"(a page was made)", ""};
}

inline void ExpectPage(const DetailResult& result, std::size_t index, const std::string& cad,
                       const std::string& description, const PageLines& lines) {
    const DetailPages* pages = PagesOf(result);
    ASSERT_NE(pages, nullptr) << ErrorOf(result).message;
    ASSERT_GT(pages->pages.size(), index);
    const Page& page = pages->pages[index];
    EXPECT_EQ(page.CadNumber, cad);
    EXPECT_EQ(page.Description, description);
    EXPECT_EQ(page.Finish, "");
    EXPECT_EQ(page.LocIndex, kUnknownLocIndex);
    EXPECT_EQ(page.PageData, lines);
}

} // namespace waybill::test

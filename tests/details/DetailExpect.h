#pragma once

// Expected pages written the way a detailer reads a detail: feet-inch texts with the drawing
// font's sixteenth glyphs.

#include "details/DetailCatalogue.h"
#include "details/DetailPage.h"
#include "details/Gutter.h"
#include "units/Parsers.h"

#include <cctype>
#include <gtest/gtest.h>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace waybill::test {

// The catalogue entry of an AutoPage menu name.
inline const DetailVariant& Entry(std::string_view menuName) {
    for (const DetailGenerator& generator : DetailCatalogue()) {
        for (const DetailVariant& variant : generator.variants) {
            if (variant.menuName == menuName) {
                return variant;
            }
        }
    }
    throw std::invalid_argument(std::string(menuName));
}

// A valid text for every field of every entry, each distinct, so a field read under another's
// name shows.
inline std::map<std::string, std::string, std::less<>> EveryFieldTyped() {
    const char* const texts[] = {
        "Width",          "10",     "Depth",     "5",      "RoofSlope",     "3",
        "SFNumber",       "21",     "Length",    "8.0102", "StrapSFNumber", "D2",
        "Offset",         "0.0208", "GuWidth",   "8",      "GuDepth",       "6",
        "DsWidth",        "4",      "DsDepth",   "3.5",    "CHNumber",      "CH3",
        "ValleyGutterNo", "VG4",    "Dim",       "24.5",   "CtSF",          "C1",
        "BcSF",           "B1",     "AngleP2",   "60",     "EdNo",          "ED1",
        "LegLength",      "0.09",   "PPToRidge", "2.0000", "PanOHang",      "0.06",
        "RcSFNo",         "R1",     "EcSFNo",    "E1"};
    std::map<std::string, std::string, std::less<>> typed;
    for (std::size_t k = 0; k < std::size(texts); k += 2) {
        typed[texts[k]] = texts[k + 1];
    }
    return typed;
}

// The entry's result with every field typed as EveryFieldTyped() but those of `texts`, and
// `choices` besides the entry's own option.
inline DetailResult MakeTyped(std::string_view entry,
                              const std::map<std::string, std::string, std::less<>>& texts,
                              const std::map<std::string, int, std::less<>>& choices = {}) {
    DetailInputs inputs = Entry(entry).Preset();
    inputs.texts = EveryFieldTyped();
    for (const auto& [field, text] : texts) {
        inputs.texts[field] = text;
    }
    inputs.choices.insert(choices.begin(), choices.end());
    return Entry(entry).make(inputs);
}

// The glyph of n/16 inch.
inline std::string Sx(int n) {
    return std::string(1, static_cast<char>(200 + 2 * n));
}

// A value line written "4|7^4|108\xB0": "^n" stands for the n/16 inch glyph.
inline std::string Line(std::string_view values) {
    std::string line = "|";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] != '^') {
            line += values[i];
            continue;
        }
        int n = 0;
        while (i + 1 < values.size() && std::isdigit(static_cast<unsigned char>(values[i + 1]))) {
            n = 10 * n + (values[++i] - '0');
        }
        line += Sx(n);
    }
    return line + "|";
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

// The page is made when `error` has no message, else the input is refused with `error`.
inline void ExpectOutcome(const DetailResult& result, const DetailInputError& error,
                          const std::string& label) {
    if (error.message.empty()) {
        EXPECT_NE(PagesOf(result), nullptr) << label << ": " << ErrorOf(result).message;
    } else {
        EXPECT_EQ(ErrorOf(result), error) << label;
    }
}

// The values of the value line after the block line `block` (0-based) of page `page`.
inline std::vector<std::string> Values(const DetailResult& result, std::size_t page,
                                       std::size_t block) {
    const DetailPages* pages = PagesOf(result);
    if (pages == nullptr || pages->pages.size() <= page ||
        pages->pages[page].PageData.size() <= 2 * block + 1) {
        return {};
    }
    return SplitPipeList(pages->pages[page].PageData[2 * block + 1]);
}

inline GutterInput Gutter(GutterKind kind, std::string width, std::string depth, std::string slope,
                          GutterPanel panel = GutterPanel::ApexSpan, std::string sf = "1234") {
    return {kind, std::move(width), std::move(depth), std::move(slope), panel, std::move(sf)};
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

#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace waybill {

// A toolbar picture is drawn on a grid of this many units square.
inline constexpr int kToolbarPictureUnits = 24;

struct ToolbarPicture {
    std::string_view key; // the button's key: "New", "CopyPg", ...
    int scale;            // pixels to the unit
    // The picture's pixels, premultiplied ARGB, a line at a time from the top:
    // (kToolbarPictureUnits * scale)² of them.
    const std::uint32_t* pixels;
};

// Every toolbar picture at each scale, drawn when the program was built.
std::span<const ToolbarPicture> ToolbarPictures();

} // namespace waybill

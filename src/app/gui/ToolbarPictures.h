#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace waybill {

struct ToolbarPicture {
    std::string_view key; // the button's key: "New", "CopyPg", ...
    int side;             // pixels square
    // The picture's pixels, premultiplied ARGB, a line at a time from the top: side² of them.
    const std::uint32_t* pixels;
};

// Every toolbar picture at each scale, drawn when the program was built.
std::span<const ToolbarPicture> ToolbarPictures();

} // namespace waybill

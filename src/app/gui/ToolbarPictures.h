#pragma once

#include <span>
#include <string_view>

namespace waybill {

struct ToolbarPicture {
    std::string_view key; // the button's key: "New", "CopyPg", ...
    int scale;            // pixels to the unit of the 24-unit picture
    std::string_view png; // the picture as a PNG file
};

// Every toolbar picture at each scale, drawn when the program was built.
std::span<const ToolbarPicture> ToolbarPictures();

} // namespace waybill

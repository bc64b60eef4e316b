#pragma once

// The header of a metafile file: the optional placeable header, which gives the drawing's
// bounding box and size, and the standard header in front of the records.

#include "metafile/MetafileRecords.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace waybill::wmf {

struct MetafileHeader {
    std::optional<Mapping> placeable; // the bounding box as the initial window
    double widthInches = 0;
    double heightInches = 0;
    std::size_t recordsAt = 0;
};

// Reads the headers; on success `header` says where the records start.
std::optional<MetafileError> ReadMetafileHeader(std::string_view bytes, MetafileHeader& header);

} // namespace waybill::wmf

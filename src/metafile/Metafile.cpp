#include "metafile/Metafile.h"

#include "metafile/MetafileHeader.h"
#include "metafile/MetafilePlayer.h"
#include "platform/TextFile.h"

#include <cmath>

namespace waybill {

MetafileResult ReadMetafile(std::string_view bytes) {
    wmf::MetafileHeader header;
    if (auto error = wmf::ReadMetafileHeader(bytes, header)) {
        return {std::nullopt, *error};
    }
    wmf::Player player(header.placeable);
    std::size_t at = header.recordsAt;
    std::size_t records = 0;
    while (at < bytes.size()) {
        const std::size_t left = bytes.size() - at;
        if (left < 6) {
            return {std::nullopt, MetafileError::Truncated};
        }
        const std::uint64_t size = std::uint64_t(wmf::U32(bytes, at)) * 2;
        const std::uint16_t function = wmf::U16(bytes, at + 4);
        if (size < 6 || size > left) {
            return {std::nullopt, MetafileError::Truncated};
        }
        if (function == wmf::kEof) {
            break;
        }
        if (++records > kMetafileMaxRecords) {
            return {std::nullopt, MetafileError::TooLarge};
        }
        if (!player.Play(function, wmf::Params(bytes.substr(at + 6, size - 6)))) {
            return {std::nullopt, MetafileError::TooLarge};
        }
        at += size;
    }

    Metafile drawing;
    MetaPoint frameExt;
    if (header.placeable) {
        frameExt = *header.placeable->ext;
        drawing.widthInches = header.widthInches;
        drawing.heightInches = header.heightInches;
    } else if (auto ext = player.FirstExtent()) {
        frameExt = *ext;
        drawing.widthInches = std::abs(ext->x) / wmf::kDefaultUnitsPerInch;
        drawing.heightInches = std::abs(ext->y) / wmf::kDefaultUnitsPerInch;
    } else {
        return {std::nullopt, MetafileError::NoFrame};
    }
    drawing.items = player.TakeItems(frameExt, drawing.widthInches, drawing.heightInches);
    return {std::move(drawing), MetafileError::None};
}

MetafileResult LoadMetafile(const std::filesystem::path& path) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        return {std::nullopt, MetafileError::CannotOpen};
    }
    return ReadMetafile(*bytes);
}

std::string_view DescribeMetafileError(MetafileError error) {
    switch (error) {
    case MetafileError::None:
        return "read";
    case MetafileError::CannotOpen:
        return "the file cannot be opened";
    case MetafileError::NotAMetafile:
        return "not a Windows metafile";
    case MetafileError::BadHeader:
        return "the placeable header has an empty bounding box or no units per inch";
    case MetafileError::Truncated:
        return "a record runs past the end of the file";
    case MetafileError::NoFrame:
        return "the drawing has neither a bounding box nor a window extent";
    case MetafileError::TooLarge:
        return "too many records or points";
    }
    return "unreadable";
}

} // namespace waybill

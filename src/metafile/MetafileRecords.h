#pragma once

// The record format of Windows metafiles as the reader needs it: record functions, the
// little-endian words of a record's parameters, and how logical coordinates map onto the
// drawing's frame.

#include "metafile/Metafile.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace waybill::wmf {

inline constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
inline constexpr std::size_t kPlaceableSize = 22;
inline constexpr std::size_t kHeaderWords = 9;
inline constexpr double kDefaultUnitsPerInch = 1440;

// Record functions (the low word of each record's header).
enum Function : std::uint16_t {
    kEof = 0x0000,
    kSaveDc = 0x001E,
    kCreatePalette = 0x00F7,
    kSetBkColor = 0x0201,
    kSetBkMode = 0x0102,
    kSetMapMode = 0x0103,
    kSetPolyFillMode = 0x0106,
    kRestoreDc = 0x0127,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kDibCreatePatternBrush = 0x0142,
    kDeleteObject = 0x01F0,
    kCreatePatternBrush = 0x01F9,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kCreatePenIndirect = 0x02FA,
    kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kEllipse = 0x0418,
    kRectangle = 0x041B,
    kTextOut = 0x0521,
    kPolyPolygon = 0x0538,
    kCreateRegion = 0x06FF,
    kArc = 0x0817,
    kPie = 0x081A,
    kChord = 0x0830,
    kExtTextOut = 0x0A32,
};

enum MapMode { kMmText = 1, kMmTwips = 6, kMmIsotropic = 7, kMmAnisotropic = 8 };
inline constexpr int kBkOpaque = 2;
inline constexpr int kPolyFillWinding = 2;
inline constexpr std::uint16_t kEtoOpaque = 0x0002;
inline constexpr std::uint16_t kEtoClipped = 0x0004;

// Little-endian reads from a bounds-checked byte range.
inline std::uint16_t U16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      (static_cast<unsigned char>(b[at + 1]) << 8));
}
inline std::int16_t I16(std::string_view b, std::size_t at) {
    return static_cast<std::int16_t>(U16(b, at));
}
inline std::uint32_t U32(std::string_view b, std::size_t at) {
    return U16(b, at) | (static_cast<std::uint32_t>(U16(b, at + 2)) << 16);
}

// The parameter words of one record.
class Params {
  public:
    explicit Params(std::string_view bytes) : bytes_(bytes) {}
    std::size_t Words() const { return bytes_.size() / 2; }
    bool Has(std::size_t words) const { return Words() >= words; }
    std::int16_t I(std::size_t word) const { return I16(bytes_, word * 2); }
    std::uint16_t U(std::size_t word) const { return U16(bytes_, word * 2); }
    std::uint32_t U32At(std::size_t word) const { return U32(bytes_, word * 2); }
    std::string_view Bytes(std::size_t word, std::size_t count) const {
        return bytes_.substr(word * 2, count);
    }

  private:
    std::string_view bytes_;
};

inline MetaColor ColorOf(std::uint32_t colorRef) {
    return {static_cast<std::uint8_t>(colorRef & 0xFF),
            static_cast<std::uint8_t>((colorRef >> 8) & 0xFF),
            static_cast<std::uint8_t>((colorRef >> 16) & 0xFF)};
}

// Logical units per inch of the map modes whose units have a fixed size; 0 for the modes
// whose window is stretched over the frame.
inline double FixedUnitsPerInch(int mapMode) {
    switch (mapMode) {
    case 2:
        return 254; // LOMETRIC
    case 3:
        return 2540; // HIMETRIC
    case 4:
        return 100; // LOENGLISH
    case 5:
        return 1000; // HIENGLISH
    case kMmTwips:
        return 1440;
    default:
        return 0;
    }
}

// How logical coordinates reach the frame; the extent may stay unknown until the file
// names one, as long as that happens somewhere.
struct Mapping {
    int mapMode = kMmAnisotropic;
    double orgX = 0;
    double orgY = 0;
    std::optional<MetaPoint> ext;

    bool operator==(const Mapping&) const = default;
};

// The window a mapping comes to: its origin lands on the frame's top-left corner and the
// origin plus its extent on the bottom-right.
struct Window {
    double orgX, orgY, extX, extY;
    MetaPoint Map(MetaPoint p) const { return {(p.x - orgX) / extX, (p.y - orgY) / extY}; }
};

} // namespace waybill::wmf

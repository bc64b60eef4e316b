#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace waybill {

// A Windows metafile (.wmf) read into a small display list of vector figures and texts.
//
// Coordinates are normalised to the drawing's frame, the metafile's window at the time each
// record was played: (0, 0) is the frame's top-left corner and (1, 1) its bottom-right, with y
// growing downward whatever the file's own axes. Painting stretches the frame over any
// rectangle; at natural size the rectangle is widthInches by heightInches.

struct MetaColor {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const MetaColor&) const = default;
};

struct MetaPoint {
    double x = 0;
    double y = 0;

    bool operator==(const MetaPoint&) const = default;
};

enum class MetaPenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Null, InsideFrame };

struct MetaPen {
    MetaPenStyle style = MetaPenStyle::Solid;
    double width = 0; // fraction of the frame's width; 0 is the thinnest line the device draws
    MetaColor color;

    bool operator==(const MetaPen&) const = default;
};

enum class MetaBrushStyle { Solid, Null, Hatched, Pattern };

// Hatch codes as the file gives them: 0 horizontal, 1 vertical, 2 "\\\\", 3 "////", 4 cross,
// 5 diagonal cross.
struct MetaBrush {
    MetaBrushStyle style = MetaBrushStyle::Solid;
    MetaColor color{255, 255, 255};
    int hatch = 0;
    std::optional<MetaColor> background; // behind a hatch when the background mode is opaque

    bool operator==(const MetaBrush&) const = default;
};

struct MetaFont {
    double height = 0;       // fraction of the frame's height; 0 asks for the default size
    bool cellHeight = false; // the height includes the internal leading (a positive lfHeight)
    int escapement = 0;      // tenths of a degree, counter-clockwise on the page
    int weight = 400;        // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::string faceName; // Windows-1252 bytes

    bool operator==(const MetaFont&) const = default;
};

enum class MetaShape { Polyline, Polygon, PolyPolygon, Rectangle, Ellipse, Arc, Pie, Chord };

// A stroked (and, when closed, filled) figure. Points by shape:
//   Polyline, Polygon: the vertices;
//   PolyPolygon: the vertices of every polygon in turn, `counts` giving each one's size;
//   Rectangle, Ellipse: two opposite corners of the bounding box;
//   Arc, Pie, Chord: the two corners of the ellipse's bounding box, then the points that
//   fix the start and end radials; the arc runs counter-clockwise (on the page) from the
//   start radial to the end radial, the whole ellipse when both radials are the same.
struct MetaFigure {
    MetaShape shape = MetaShape::Polyline;
    std::vector<MetaPoint> points;
    std::vector<std::size_t> counts;
    MetaPen pen;
    MetaBrush brush;
    bool windingFill = false; // the polygon fill mode: winding, or else alternate

    bool operator==(const MetaFigure&) const = default;
};

// Text alignment flags as SetTextAlign gives them.
inline constexpr int kMetaAlignUpdateCp = 1;
inline constexpr int kMetaAlignRight = 2;
inline constexpr int kMetaAlignCenter = 6;
inline constexpr int kMetaAlignBottom = 8;
inline constexpr int kMetaAlignBaseline = 24;

struct MetaText {
    MetaPoint at;     // the reference point the alignment refers to
    std::string text; // Windows-1252 bytes
    MetaFont font;
    MetaColor color;
    int align = 0;                       // the flags above; 0 is left and top
    std::optional<MetaColor> background; // the text's box is filled first (opaque mode)
    std::vector<double> advances;        // per character, fractions of the frame width;
                                         // empty: the font's own spacing

    bool operator==(const MetaText&) const = default;
};

using MetaItem = std::variant<MetaFigure, MetaText>;

struct Metafile {
    double widthInches = 0; // natural size
    double heightInches = 0;
    std::vector<MetaItem> items; // in drawing order
};

enum class MetafileError {
    None,
    CannotOpen,   // the file is missing or unreadable
    NotAMetafile, // no metafile header
    BadHeader,    // the header is there but unusable (an empty or unscaled bounding box)
    Truncated,    // a record runs past the end of the file or is shorter than a record can be
    NoFrame,      // nothing says how large the drawing is
    TooLarge,     // more records or points than a drawing block can sensibly hold
};

struct MetafileResult {
    std::optional<Metafile> drawing;           // set when the file could be read
    MetafileError error = MetafileError::None; // why it could not, otherwise

    bool Ok() const { return drawing.has_value(); }
};

// Bounds that keep a hostile file from costing more than a drawing block ever needs.
inline constexpr std::size_t kMetafileMaxRecords = 1'000'000;
inline constexpr std::size_t kMetafileMaxPoints = 4'000'000;
inline constexpr std::size_t kMetafileMaxObjects = 1024;
inline constexpr std::size_t kMetafileMaxSaveDepth = 64;

// Reads a metafile from its bytes, with or without the 22-byte placeable header. Records the
// display list does not use are skipped.
MetafileResult ReadMetafile(std::string_view bytes);

// The same from a file.
MetafileResult LoadMetafile(const std::filesystem::path& path);

// What went wrong, in words for a log or the terminal.
std::string_view DescribeMetafileError(MetafileError error);

} // namespace waybill

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace waybill::test {

// Builds Windows metafiles record by record, for fixtures. Objects are numbered as the
// player numbers them: the lowest free slot of the object table.
class WmfWriter {
  public:
    using Pt = std::pair<std::int16_t, std::int16_t>;

    // A placeable header with this bounding box and scale goes in front of the file.
    void Placeable(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom,
                   std::uint16_t unitsPerInch);

    void SetWindowOrg(std::int16_t x, std::int16_t y);
    void SetWindowExt(std::int16_t x, std::int16_t y);
    void SetMapMode(std::uint16_t mode);
    void SetBkMode(std::uint16_t mode);
    void SetBkColor(std::uint32_t colorRef);
    void SetTextColor(std::uint32_t colorRef);
    void SetTextAlign(std::uint16_t align);
    void SetPolyFillMode(std::uint16_t mode);
    void SaveDc();
    void RestoreDc(std::int16_t which);

    // Each returns the slot the object takes.
    int CreatePen(std::uint16_t style, std::int16_t width, std::uint32_t colorRef);
    int CreateBrush(std::uint16_t style, std::uint32_t colorRef, std::uint16_t hatch = 0);
    int CreateFont(std::int16_t height, std::string_view face, std::int16_t escapement = 0,
                   std::int16_t weight = 400);
    int CreateRegion(); // an object the display list has no use for
    void Select(int slot);
    void Delete(int slot);

    void MoveTo(std::int16_t x, std::int16_t y);
    void LineTo(std::int16_t x, std::int16_t y);
    void Polyline(const std::vector<Pt>& points);
    void Polygon(const std::vector<Pt>& points);
    void PolyPolygon(const std::vector<std::vector<Pt>>& polygons);
    void Rectangle(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom);
    void Ellipse(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom);
    // kind: 0x0817 arc, 0x081A pie, 0x0830 chord
    void ArcLike(std::uint16_t kind, std::int16_t left, std::int16_t top, std::int16_t right,
                 std::int16_t bottom, Pt start, Pt end);
    void TextOut(std::int16_t x, std::int16_t y, std::string_view text);
    void ExtTextOut(std::int16_t x, std::int16_t y, std::string_view text,
                    const std::vector<std::int16_t>& advances = {},
                    std::optional<std::vector<std::int16_t>> opaqueRect = std::nullopt);

    // Any record, its parameters as words.
    void Record(std::uint16_t function, const std::vector<std::uint16_t>& params);
    void OmitEof() { eof_ = false; }

    std::string Bytes() const;

  private:
    int NextSlot();
    void Points(std::uint16_t function, const std::vector<Pt>& points);

    std::optional<std::vector<std::int16_t>> placeable_;
    std::string records_;
    std::vector<bool> slots_;
    std::uint32_t maxRecordWords_ = 3;
    bool eof_ = true;
};

inline constexpr std::uint16_t kWmfArc = 0x0817;
inline constexpr std::uint16_t kWmfPie = 0x081A;
inline constexpr std::uint16_t kWmfChord = 0x0830;

constexpr std::uint32_t Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return r | (std::uint32_t(g) << 8) | (std::uint32_t(b) << 16);
}

} // namespace waybill::test

#pragma once

#include <cstdint>
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
    using I16 = std::int16_t;
    using U16 = std::uint16_t;
    using U32 = std::uint32_t;

    // A placeable header with this bounding box and scale goes in front of the file.
    void Placeable(I16 l, I16 t, I16 r, I16 b, U16 perInch) {
        placeable_ = {l, t, r, b, I16(perInch)};
    }

    void SetWindowOrg(I16 x, I16 y) { Record(0x020B, {W(y), W(x)}); }
    void SetWindowExt(I16 x, I16 y) { Record(0x020C, {W(y), W(x)}); }
    void SetMapMode(U16 mode) { Record(0x0103, {mode}); }
    void SetBkMode(U16 mode) { Record(0x0102, {mode}); }
    void SetBkColor(U32 c) { Record(0x0201, {Lo(c), Hi(c)}); }
    void SetTextColor(U32 c) { Record(0x0209, {Lo(c), Hi(c)}); }
    void SetTextAlign(U16 align) { Record(0x012E, {align}); }
    void SetPolyFillMode(U16 mode) { Record(0x0106, {mode}); }
    void SaveDc() { Record(0x001E, {}); }
    void RestoreDc(I16 which) { Record(0x0127, {W(which)}); }

    // Each returns the slot the object takes.
    int CreatePen(U16 style, I16 w, U32 c) {
        return Create(0x02FA, {style, W(w), 0, Lo(c), Hi(c)});
    }
    int CreateBrush(U16 style, U32 c, U16 hatch = 0) {
        return Create(0x02FC, {style, Lo(c), Hi(c), hatch});
    }
    int CreateFont(I16 height, std::string_view face, I16 escapement = 0, I16 weight = 400);
    // An object the display list has no use for.
    int CreateRegion() { return Create(0x06FF, std::vector<U16>(11, 0)); }
    void Select(int slot) { Record(0x012D, {static_cast<U16>(slot)}); }
    void Delete(int slot);

    void MoveTo(I16 x, I16 y) { Record(0x0214, {W(y), W(x)}); }
    void LineTo(I16 x, I16 y) { Record(0x0213, {W(y), W(x)}); }
    void Polyline(const std::vector<Pt>& points) { Poly(0x0325, {points}); }
    void Polygon(const std::vector<Pt>& points) { Poly(0x0324, {points}); }
    void PolyPolygon(const std::vector<std::vector<Pt>>& polygons) { Poly(0x0538, polygons); }
    void Rectangle(I16 l, I16 t, I16 r, I16 b) { Record(0x041B, {W(b), W(r), W(t), W(l)}); }
    void Ellipse(I16 l, I16 t, I16 r, I16 b) { Record(0x0418, {W(b), W(r), W(t), W(l)}); }
    enum ArcKind : U16 { kArc = 0x0817, kPie = 0x081A, kChord = 0x0830 };
    void ArcLike(ArcKind kind, I16 l, I16 t, I16 r, I16 b, Pt start, Pt end) {
        Record(kind, {W(end.second), W(end.first), W(start.second), W(start.first), W(b), W(r),
                      W(t), W(l)});
    }
    void TextOut(I16 x, I16 y, std::string_view text);
    void ExtTextOut(I16 x, I16 y, std::string_view text, const std::vector<I16>& advances = {},
                    const std::vector<I16>& opaqueRect = {});

    // Any record, its parameters as words.
    void Record(U16 function, const std::vector<U16>& params);
    void OmitEof() { eof_ = false; }

    std::string Bytes() const;

  private:
    static U16 W(I16 v) { return static_cast<U16>(v); }
    static U16 Lo(U32 v) { return static_cast<U16>(v & 0xFFFF); }
    static U16 Hi(U32 v) { return static_cast<U16>(v >> 16); }
    int Create(U16 function, const std::vector<U16>& params);
    // Only a poly-polygon record counts its polygons; the others hold one.
    void Poly(U16 function, const std::vector<std::vector<Pt>>& polygons);

    std::vector<I16> placeable_; // empty without a placeable header
    std::string records_;
    std::vector<bool> slots_;
    U32 maxRecordWords_ = 3;
    bool eof_ = true;
};

constexpr std::uint32_t Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return r | (std::uint32_t(g) << 8) | (std::uint32_t(b) << 16);
}

} // namespace waybill::test

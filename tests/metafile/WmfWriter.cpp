#include "WmfWriter.h"

#include <algorithm>

namespace waybill::test {
namespace {

void PutU16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void PutU32(std::string& out, std::uint32_t v) {
    PutU16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    PutU16(out, static_cast<std::uint16_t>(v >> 16));
}

std::uint16_t Lo(std::uint32_t v) {
    return static_cast<std::uint16_t>(v & 0xFFFF);
}
std::uint16_t Hi(std::uint32_t v) {
    return static_cast<std::uint16_t>(v >> 16);
}
std::uint16_t W(std::int16_t v) {
    return static_cast<std::uint16_t>(v);
}

// Text bytes packed two to a word, padded with a zero byte to a whole word.
void PutText(std::vector<std::uint16_t>& params, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(text[i]);
        const auto hi = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        params.push_back(static_cast<std::uint16_t>(lo | (hi << 8)));
    }
}

} // namespace

void WmfWriter::Placeable(std::int16_t left, std::int16_t top, std::int16_t right,
                          std::int16_t bottom, std::uint16_t unitsPerInch) {
    placeable_ = std::vector<std::int16_t>{left, top, right, bottom,
                                           static_cast<std::int16_t>(unitsPerInch)};
}

void WmfWriter::Record(std::uint16_t function, const std::vector<std::uint16_t>& params) {
    const auto words = static_cast<std::uint32_t>(3 + params.size());
    PutU32(records_, words);
    PutU16(records_, function);
    for (std::uint16_t p : params) {
        PutU16(records_, p);
    }
    maxRecordWords_ = std::max(maxRecordWords_, words);
}

void WmfWriter::SetWindowOrg(std::int16_t x, std::int16_t y) {
    Record(0x020B, {W(y), W(x)});
}
void WmfWriter::SetWindowExt(std::int16_t x, std::int16_t y) {
    Record(0x020C, {W(y), W(x)});
}
void WmfWriter::SetMapMode(std::uint16_t mode) {
    Record(0x0103, {mode});
}
void WmfWriter::SetBkMode(std::uint16_t mode) {
    Record(0x0102, {mode});
}
void WmfWriter::SetBkColor(std::uint32_t c) {
    Record(0x0201, {Lo(c), Hi(c)});
}
void WmfWriter::SetTextColor(std::uint32_t c) {
    Record(0x0209, {Lo(c), Hi(c)});
}
void WmfWriter::SetTextAlign(std::uint16_t align) {
    Record(0x012E, {align});
}
void WmfWriter::SetPolyFillMode(std::uint16_t mode) {
    Record(0x0106, {mode});
}
void WmfWriter::SaveDc() {
    Record(0x001E, {});
}
void WmfWriter::RestoreDc(std::int16_t which) {
    Record(0x0127, {W(which)});
}

int WmfWriter::NextSlot() {
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (!slots_[i]) {
            slots_[i] = true;
            return static_cast<int>(i);
        }
    }
    slots_.push_back(true);
    return static_cast<int>(slots_.size() - 1);
}

int WmfWriter::CreatePen(std::uint16_t style, std::int16_t width, std::uint32_t c) {
    Record(0x02FA, {style, W(width), 0, Lo(c), Hi(c)});
    return NextSlot();
}

int WmfWriter::CreateBrush(std::uint16_t style, std::uint32_t c, std::uint16_t hatch) {
    Record(0x02FC, {style, Lo(c), Hi(c), hatch});
    return NextSlot();
}

int WmfWriter::CreateFont(std::int16_t height, std::string_view face, std::int16_t escapement,
                          std::int16_t weight) {
    std::vector<std::uint16_t> params{W(height), 0, W(escapement), W(escapement), W(weight), 0, 0,
                                      0,         0};
    std::string name(face.substr(0, 31));
    name.resize(32, '\0');
    PutText(params, name);
    Record(0x02FB, params);
    return NextSlot();
}

int WmfWriter::CreateRegion() {
    Record(0x06FF, std::vector<std::uint16_t>(11, 0));
    return NextSlot();
}

void WmfWriter::Select(int slot) {
    Record(0x012D, {static_cast<std::uint16_t>(slot)});
}

void WmfWriter::Delete(int slot) {
    Record(0x01F0, {static_cast<std::uint16_t>(slot)});
    if (slot >= 0 && static_cast<std::size_t>(slot) < slots_.size()) {
        slots_[slot] = false;
    }
}

void WmfWriter::MoveTo(std::int16_t x, std::int16_t y) {
    Record(0x0214, {W(y), W(x)});
}
void WmfWriter::LineTo(std::int16_t x, std::int16_t y) {
    Record(0x0213, {W(y), W(x)});
}

void WmfWriter::Points(std::uint16_t function, const std::vector<Pt>& points) {
    std::vector<std::uint16_t> params{static_cast<std::uint16_t>(points.size())};
    for (auto [x, y] : points) {
        params.push_back(W(x));
        params.push_back(W(y));
    }
    Record(function, params);
}

void WmfWriter::Polyline(const std::vector<Pt>& points) {
    Points(0x0325, points);
}
void WmfWriter::Polygon(const std::vector<Pt>& points) {
    Points(0x0324, points);
}

void WmfWriter::PolyPolygon(const std::vector<std::vector<Pt>>& polygons) {
    std::vector<std::uint16_t> params{static_cast<std::uint16_t>(polygons.size())};
    for (const auto& polygon : polygons) {
        params.push_back(static_cast<std::uint16_t>(polygon.size()));
    }
    for (const auto& polygon : polygons) {
        for (auto [x, y] : polygon) {
            params.push_back(W(x));
            params.push_back(W(y));
        }
    }
    Record(0x0538, params);
}

void WmfWriter::Rectangle(std::int16_t l, std::int16_t t, std::int16_t r, std::int16_t b) {
    Record(0x041B, {W(b), W(r), W(t), W(l)});
}

void WmfWriter::Ellipse(std::int16_t l, std::int16_t t, std::int16_t r, std::int16_t b) {
    Record(0x0418, {W(b), W(r), W(t), W(l)});
}

void WmfWriter::ArcLike(std::uint16_t kind, std::int16_t l, std::int16_t t, std::int16_t r,
                        std::int16_t b, Pt start, Pt end) {
    Record(kind,
           {W(end.second), W(end.first), W(start.second), W(start.first), W(b), W(r), W(t), W(l)});
}

void WmfWriter::TextOut(std::int16_t x, std::int16_t y, std::string_view text) {
    std::vector<std::uint16_t> params{static_cast<std::uint16_t>(text.size())};
    PutText(params, text);
    params.push_back(W(y));
    params.push_back(W(x));
    Record(0x0521, params);
}

void WmfWriter::ExtTextOut(std::int16_t x, std::int16_t y, std::string_view text,
                           const std::vector<std::int16_t>& advances,
                           std::optional<std::vector<std::int16_t>> opaqueRect) {
    std::vector<std::uint16_t> params{W(y), W(x), static_cast<std::uint16_t>(text.size()),
                                      static_cast<std::uint16_t>(opaqueRect ? 2 : 0)};
    if (opaqueRect) {
        for (std::int16_t v : *opaqueRect) {
            params.push_back(W(v));
        }
    }
    PutText(params, text);
    for (std::int16_t dx : advances) {
        params.push_back(W(dx));
    }
    Record(0x0A32, params);
}

std::string WmfWriter::Bytes() const {
    std::string out;
    if (placeable_) {
        std::string head;
        PutU32(head, 0x9AC6CDD7);
        PutU16(head, 0);
        for (std::int16_t v : *placeable_) {
            PutU16(head, W(v));
        }
        PutU32(head, 0);
        std::uint16_t checksum = 0;
        for (std::size_t i = 0; i < head.size(); i += 2) {
            checksum ^= static_cast<std::uint16_t>(static_cast<unsigned char>(head[i]) |
                                                   (static_cast<unsigned char>(head[i + 1]) << 8));
        }
        PutU16(head, checksum);
        out += head;
    }
    std::string body = records_;
    if (eof_) {
        PutU32(body, 3);
        PutU16(body, 0);
    }
    PutU16(out, 1); // in memory
    PutU16(out, 9); // header words
    PutU16(out, 0x0300);
    PutU32(out, static_cast<std::uint32_t>((18 + body.size()) / 2));
    PutU16(out, static_cast<std::uint16_t>(slots_.size()));
    PutU32(out, maxRecordWords_);
    PutU16(out, 0);
    return out + body;
}

} // namespace waybill::test

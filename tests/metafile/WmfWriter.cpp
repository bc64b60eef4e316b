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

// Text bytes packed two to a word, padded with a zero byte to a whole word.
void PutText(std::vector<std::uint16_t>& params, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(text[i]);
        const auto hi = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        params.push_back(static_cast<std::uint16_t>(lo | (hi << 8)));
    }
}

} // namespace

void WmfWriter::Record(U16 function, const std::vector<U16>& params) {
    const auto words = static_cast<U32>(3 + params.size());
    PutU32(records_, words);
    PutU16(records_, function);
    for (U16 p : params) {
        PutU16(records_, p);
    }
    maxRecordWords_ = std::max(maxRecordWords_, words);
}

int WmfWriter::Create(U16 function, const std::vector<U16>& params) {
    Record(function, params);
    const auto free = std::find(slots_.begin(), slots_.end(), false);
    if (free != slots_.end()) {
        *free = true;
        return static_cast<int>(free - slots_.begin());
    }
    slots_.push_back(true);
    return static_cast<int>(slots_.size() - 1);
}

int WmfWriter::CreateFont(I16 height, std::string_view face, I16 escapement, I16 weight) {
    std::vector<U16> params{W(height), 0, W(escapement), W(escapement), W(weight), 0, 0, 0, 0};
    std::string name(face.substr(0, 31));
    name.resize(32, '\0');
    PutText(params, name);
    return Create(0x02FB, params);
}

void WmfWriter::Delete(int slot) {
    Record(0x01F0, {static_cast<U16>(slot)});
    if (slot >= 0 && static_cast<std::size_t>(slot) < slots_.size()) {
        slots_[slot] = false;
    }
}

void WmfWriter::Poly(U16 function, const std::vector<std::vector<Pt>>& polygons) {
    std::vector<U16> params;
    if (function == 0x0538) {
        params.push_back(static_cast<U16>(polygons.size()));
    }
    for (const auto& polygon : polygons) {
        params.push_back(static_cast<U16>(polygon.size()));
    }
    for (const auto& polygon : polygons) {
        for (auto [x, y] : polygon) {
            params.push_back(W(x));
            params.push_back(W(y));
        }
    }
    Record(function, params);
}

void WmfWriter::TextOut(I16 x, I16 y, std::string_view text) {
    std::vector<U16> params{static_cast<U16>(text.size())};
    PutText(params, text);
    params.push_back(W(y));
    params.push_back(W(x));
    Record(0x0521, params);
}

void WmfWriter::ExtTextOut(I16 x, I16 y, std::string_view text, const std::vector<I16>& advances,
                           const std::vector<I16>& opaqueRect) {
    std::vector<U16> params{W(y), W(x), static_cast<U16>(text.size()),
                            static_cast<U16>(opaqueRect.empty() ? 0 : 2)};
    for (I16 v : opaqueRect) {
        params.push_back(W(v));
    }
    PutText(params, text);
    for (I16 dx : advances) {
        params.push_back(W(dx));
    }
    Record(0x0A32, params);
}

std::string WmfWriter::Bytes() const {
    std::string out;
    if (!placeable_.empty()) {
        U16 checksum = 0xCDD7 ^ 0x9AC6; // the words of the header before it, xored
        PutU32(out, 0x9AC6CDD7);
        PutU16(out, 0);
        for (I16 v : placeable_) {
            PutU16(out, W(v));
            checksum ^= W(v);
        }
        PutU32(out, 0);
        PutU16(out, checksum);
    }
    const std::string body = eof_ ? records_ + std::string("\3\0\0\0\0\0", 6) : records_;
    PutU16(out, 1); // in memory
    PutU16(out, 9); // header words
    PutU16(out, 0x0300);
    PutU32(out, static_cast<U32>((18 + body.size()) / 2));
    PutU16(out, static_cast<U16>(slots_.size()));
    PutU32(out, maxRecordWords_);
    PutU16(out, 0);
    return out + body;
}

} // namespace waybill::test

#include "support/WmfWriter.h"

#include <algorithm>
#include <functional>
#include <numeric>

namespace waybill::test {
namespace {

// Little-endian, as the file stores every number.
template <typename T> void Put(std::string& out, T v) {
    for (std::size_t i = 0; i < sizeof v; ++i) {
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
    }
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
    Put<U32>(records_, words);
    Put<U16>(records_, function);
    for (U16 p : params) {
        Put<U16>(records_, p);
    }
    maxRecordWords_ = std::max(maxRecordWords_, words);
}

int WmfWriter::Create(U16 function, const std::vector<U16>& params) {
    Record(function, params);
    const std::size_t slot = std::find(slots_.begin(), slots_.end(), false) - slots_.begin();
    slots_.resize(std::max(slots_.size(), slot + 1));
    slots_[slot] = true;
    return static_cast<int>(slot);
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
    slots_.at(slot) = false;
}

void WmfWriter::Poly(U16 function, const std::vector<std::vector<Pt>>& polygons) {
    std::vector<U16> params(function == 0x0538 ? 1 : 0, static_cast<U16>(polygons.size()));
    for (const auto& polygon : polygons) {
        params.push_back(static_cast<U16>(polygon.size()));
    }
    for (const auto& polygon : polygons) {
        for (auto [x, y] : polygon) {
            params.insert(params.end(), {W(x), W(y)});
        }
    }
    Record(function, params);
}

void WmfWriter::TextOut(I16 x, I16 y, std::string_view text) {
    std::vector<U16> params{static_cast<U16>(text.size())};
    PutText(params, text);
    params.insert(params.end(), {W(y), W(x)});
    Record(0x0521, params);
}

void WmfWriter::ExtTextOut(I16 x, I16 y, std::string_view text, const std::vector<I16>& advances,
                           const std::vector<I16>& opaqueRect) {
    std::vector<U16> params{W(y), W(x), static_cast<U16>(text.size()),
                            static_cast<U16>(opaqueRect.empty() ? 0 : 2)};
    params.insert(params.end(), opaqueRect.begin(), opaqueRect.end());
    PutText(params, text);
    params.insert(params.end(), advances.begin(), advances.end());
    Record(0x0A32, params);
}

std::string WmfWriter::Bytes() const {
    std::vector<U16> words;
    if (!placeable_.empty()) {
        words = {0xCDD7, 0x9AC6, 0};
        words.insert(words.end(), placeable_.begin(), placeable_.end());
        words.insert(words.end(), {0, 0});
        words.push_back(std::reduce(words.begin(), words.end(), U16(0), std::bit_xor<U16>()));
    }
    const std::string body = eof_ ? records_ + std::string("\3\0\0\0\0\0", 6) : records_;
    const auto size = static_cast<U32>((18 + body.size()) / 2);
    // In memory, nine header words, version 3, the size, objects, the longest record.
    words.insert(words.end(), {1, 9, 0x0300, Lo(size), Hi(size), U16(slots_.size()),
                               Lo(maxRecordWords_), Hi(maxRecordWords_), 0});
    std::string out;
    for (U16 word : words) {
        Put<U16>(out, word);
    }
    return out + body;
}

} // namespace waybill::test

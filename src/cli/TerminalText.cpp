#include "cli/TerminalText.h"

#include "platform/Cp1252.h"
#include "units/Lengths.h"

namespace waybill::cli {
namespace {

void AppendEscape(std::string& out, unsigned char code) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[code >> 4];
    out += kHex[code & 0xF];
}

bool IsContinuation(std::string_view text, std::size_t at) {
    return at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence of a character from 0x80 up at `at`; 0 when
// the bytes there are none (overlong, a surrogate, beyond U+10FFFF, cut short).
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const auto second = at + 1 < text.size() ? static_cast<unsigned char>(text[at + 1]) : 0;
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = (lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ? 0 : 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90) ? 0 : 4;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (!IsContinuation(text, at + k)) {
            return 0;
        }
    }
    return length;
}

} // namespace

std::string TerminalText(std::string_view utf8, Tabs tabs) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto code = static_cast<unsigned char>(utf8[i]);
        if (code < 0x80) {
            if ((code < 0x20 && !(code == '\t' && tabs == Tabs::Kept)) || code == 0x7F) {
                AppendEscape(out, code);
            } else {
                out += utf8[i];
            }
            ++i;
            continue;
        }
        const std::size_t length = SequenceLength(utf8, i);
        if (length == 0) {
            AppendEscape(out, code);
            ++i;
        } else if (code == 0xC2 && static_cast<unsigned char>(utf8[i + 1]) < 0xA0) {
            AppendEscape(out, static_cast<unsigned char>(utf8[i + 1])); // a C1 control
            i += 2;
        } else {
            out.append(utf8.substr(i, length));
            i += length;
        }
    }
    return out;
}

std::string DocumentTerminalText(std::string_view cp1252, Tabs tabs) {
    return TerminalText(Cp1252ToUtf8(GlyphsToText(cp1252)), tabs);
}

} // namespace waybill::cli

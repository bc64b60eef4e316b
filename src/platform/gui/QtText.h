#pragma once

#include "platform/Cp1252.h"
#include "units/Lengths.h"

#include <filesystem>
#include <QString>
#include <string>
#include <string_view>

namespace waybill {

// Text crossing between the window (Unicode) and the core: paths and settings are UTF-8,
// document and message texts Windows-1252.

inline QString FromUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ToUtf8(const QString& text) {
    return text.toStdString();
}

inline QString FromCp1252(std::string_view cp1252) {
    // Plain ASCII (nearly every cell and label) needs no code page conversion.
    for (const char c : cp1252) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return FromUtf8(Cp1252ToUtf8(cp1252));
        }
    }
    return QString::fromLatin1(cp1252.data(), static_cast<qsizetype>(cp1252.size()));
}

// A document's text shown anywhere but on the drawing (docks, lists, the status bar): the
// drawing font's symbols as their plain text, as every text leaving the drawing.
inline QString FromDrawingText(std::string_view cp1252) {
    return FromCp1252(GlyphsToText(cp1252));
}

inline std::string ToCp1252(const QString& text) {
    return Utf8ToCp1252(ToUtf8(text));
}

// A path's name for the window. A name whose bytes are not UTF-8 (possible on Linux) shows
// replacement characters rather than failing.
inline QString FromPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return QString::fromUtf8(reinterpret_cast<const char*>(utf8.data()),
                             static_cast<qsizetype>(utf8.size()));
}

inline std::filesystem::path FsPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

} // namespace waybill

#include "app/Recovery.h"

#include "platform/AtomicFile.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace waybill {

int ReadAutosaveSeconds(const SettingsStore& store) {
    const std::optional<int> seconds = ReadWholeNumberSetting(store, "AutosaveSeconds");
    return seconds ? std::max(*seconds, 0) : kDefaultAutosaveSeconds;
}

std::string RecoveryFileName(std::string_view docPath) {
    if (docPath.empty()) {
        return "Untitled.fwb";
    }
    // FNV-1a: stable across runs and builds, unlike std::hash.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : docPath) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    const std::u8string utf8 = PathFromUtf8(docPath).stem().u8string();
    std::string stem(utf8.begin(), utf8.end());
    for (char& c : stem) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 32 || code == 127 ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
            c = '_';
        }
    }
    char digits[17] = {};
    std::to_chars(digits, digits + 16, hash, 16);
    std::string hex(digits);
    hex.insert(0, 16 - hex.size(), '0');
    return stem + "-" + hex + ".fwb";
}

bool RecoveryIsNewer(const std::filesystem::path& recovery, const std::filesystem::path& document) {
    std::error_code error;
    const auto copied = std::filesystem::last_write_time(recovery, error);
    if (error) {
        return false;
    }
    const auto saved = std::filesystem::last_write_time(document, error);
    return error || copied > saved;
}

std::filesystem::path RecoveryNotePath(const std::filesystem::path& recovery) {
    std::filesystem::path note = recovery;
    return note.replace_extension(".path");
}

bool WriteRecoveryNote(const std::filesystem::path& recovery, std::string_view docPath) {
    return WriteFileAtomically(RecoveryNotePath(recovery), docPath).empty();
}

std::vector<RecoveryCopy> FindRecoveryCopies(const std::filesystem::path& folder) {
    std::vector<RecoveryCopy> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::filesystem::path& copy = entry.path();
        if (copy.extension() != ".fwb" || !entry.is_regular_file(error)) {
            continue;
        }
        std::string documentPath;
        if (copy.filename() != PathFromUtf8(RecoveryFileName(""))) {
            auto note = ReadWholeFile(RecoveryNotePath(copy));
            if (!note || note->empty()) {
                continue;
            }
            documentPath = std::move(*note);
        }
        if (RecoveryIsNewer(copy, PathFromUtf8(documentPath))) {
            found.push_back({copy, std::move(documentPath)});
        }
    }
    std::sort(found.begin(), found.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
        return a.documentPath < b.documentPath;
    });
    return found;
}

void RemoveRecoveryCopy(const std::filesystem::path& recovery) {
    std::error_code ignored; // nothing there is the usual case
    std::filesystem::remove(recovery, ignored);
    std::filesystem::remove(RecoveryNotePath(recovery), ignored);
}

} // namespace waybill

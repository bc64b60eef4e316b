#include "platform/TextFile.h"

#include <cstdio>
#include <cstring>

namespace waybill {

// The buffer is sized once from the file's size: growing it while reading would touch and
// copy about twice the file's bytes, which shows on opening a large document.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return std::nullopt;
    }
#ifdef _WIN32
    std::FILE* file = _wfopen(path.c_str(), L"rb"); // a narrow name goes through the code page
#else
    std::FILE* file = std::fopen(path.c_str(), "rb");
#endif
    if (file == nullptr) {
        return std::nullopt;
    }
    std::string content;
    const auto expected = std::filesystem::file_size(path, ec);
    content.resize(ec ? 0 : static_cast<std::size_t>(expected));
    std::size_t size = std::fread(content.data(), 1, content.size(), file);
    // The file may have grown since, or have no size to tell (a pipe): read on to its end.
    char buffer[1 << 16];
    std::size_t got = 0;
    while (size == content.size() && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        content.append(buffer, got);
        size = content.size();
    }
    content.resize(size);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return std::nullopt;
    }
    return content;
}

std::string_view LineReader::Next() {
    const std::size_t start = pos_;
    const std::size_t size = text_.size();
    const char* base = text_.data() + start;
    const std::size_t rest = size - start;
    const void* lf = std::memchr(base, '\n', rest);
    std::size_t end =
        lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - text_.data()) : size;
    // A lone CR also ends a line; look for one only before the LF found.
    const void* cr = std::memchr(base, '\r', end - start);
    if (cr != nullptr) {
        const auto crPos = static_cast<std::size_t>(static_cast<const char*>(cr) - text_.data());
        pos_ = (crPos + 1 < size && text_[crPos + 1] == '\n') ? crPos + 2 : crPos + 1;
        return text_.substr(start, crPos - start);
    }
    pos_ = end < size ? end + 1 : size;
    return text_.substr(start, end - start);
}

std::string_view LineReader::NextField() {
    std::size_t p = pos_;
    const std::size_t size = text_.size();
    while (p < size && text_[p] == ' ') {
        ++p;
    }
    std::string_view field;
    if (p < size && text_[p] == '"') {
        const std::size_t open = p + 1;
        std::size_t close = open;
        while (close < size && text_[close] != '"' && text_[close] != '\r' &&
               text_[close] != '\n') {
            ++close;
        }
        field = text_.substr(open, close - open);
        p = close < size && text_[close] == '"' ? close + 1 : close;
        // Whatever follows the closing quote up to the delimiter is dropped.
        while (p < size && text_[p] != ',' && text_[p] != '\r' && text_[p] != '\n') {
            ++p;
        }
    } else {
        const std::size_t start = p;
        while (p < size && text_[p] != ',' && text_[p] != '\r' && text_[p] != '\n') {
            ++p;
        }
        std::size_t end = p;
        while (end > start && text_[end - 1] == ' ') {
            --end;
        }
        field = text_.substr(start, end - start);
    }
    if (p < size && text_[p] == ',') {
        pos_ = p + 1;
    } else {
        pos_ = p;
        if (pos_ < size) {
            Next(); // consume the line end
        }
    }
    return field;
}

} // namespace waybill

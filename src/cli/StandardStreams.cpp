#include "cli/StandardStreams.h"

#include <algorithm>
#include <iostream>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace waybill::cli {

std::size_t CompleteUtf8Length(std::string_view utf8) {
    // A lead byte among the last three whose sequence runs past the end starts the tail.
    for (std::size_t back = 1; back <= 3 && back <= utf8.size(); ++back) {
        const auto byte = static_cast<unsigned char>(utf8[utf8.size() - back]);
        if ((byte & 0xC0) == 0x80) {
            continue; // a continuation byte: look further back
        }
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? utf8.size() - back : utf8.size();
    }
    return utf8.size();
}

#ifdef _WIN32
namespace {

// Writes the text to a console as UTF-16, a character split between two writes kept until
// its last byte comes.
class ConsoleBuffer final : public std::streambuf {
  public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) {}

  protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            pending_ += traits_type::to_char_type(c);
        }
        return pending_.size() >= 4096 && sync() != 0 ? traits_type::eof() : traits_type::not_eof(c);
    }

    std::streamsize xsputn(const char* text, std::streamsize count) override {
        pending_.append(text, static_cast<std::size_t>(count));
        return pending_.size() >= 4096 && sync() != 0 ? 0 : count;
    }

    int sync() override {
        const std::size_t complete = CompleteUtf8Length(pending_);
        if (complete == 0) {
            return 0;
        }
        const int wide = MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(complete),
                                             nullptr, 0);
        std::wstring text(static_cast<std::size_t>(wide), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(complete), text.data(),
                            wide);
        pending_.erase(0, complete);
        for (std::size_t at = 0; at < text.size();) {
            DWORD written = 0;
            const auto chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - at, 8192));
            if (!WriteConsoleW(console_, text.data() + at, chunk, &written, nullptr) ||
                written == 0) {
                return -1;
            }
            at += written;
        }
        return 0;
    }

  private:
    HANDLE console_;
    std::string pending_;
};

// The console behind a standard handle; nothing when the handle is a file or a pipe.
std::unique_ptr<std::streambuf> ConsoleOf(DWORD standardHandle, FILE* stream) {
    const HANDLE handle = GetStdHandle(standardHandle);
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode)) {
        return std::make_unique<ConsoleBuffer>(handle);
    }
    _setmode(_fileno(stream), _O_BINARY);
    return nullptr;
}

} // namespace

StandardStreams::StandardStreams()
    : consoleOut_(ConsoleOf(STD_OUTPUT_HANDLE, stdout)),
      consoleErr_(ConsoleOf(STD_ERROR_HANDLE, stderr)) {
    if (consoleOut_) {
        out_ = std::make_unique<std::ostream>(consoleOut_.get());
    }
    if (consoleErr_) {
        err_ = std::make_unique<std::ostream>(consoleErr_.get());
        err_->setf(std::ios::unitbuf);
    }
}
#else
StandardStreams::StandardStreams() = default;
#endif

StandardStreams::~StandardStreams() {
    if (out_) {
        out_->flush();
    }
    if (err_) {
        err_->flush();
    }
}

std::ostream& StandardStreams::Out() {
    return out_ ? *out_ : std::cout;
}

std::ostream& StandardStreams::Err() {
    return err_ ? *err_ : std::cerr;
}

} // namespace waybill::cli

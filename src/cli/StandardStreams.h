#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string_view>

namespace waybill::cli {

// The program's standard output and error, which take UTF-8 text with "\n" line ends. Sent to
// a file or a pipe they are those bytes on every system (on Windows in binary mode, so "\n"
// stays "\n"); on a Windows console, whose code page is rarely UTF-8, the text is handed to
// the console as UTF-16 so that every character reads right.
class StandardStreams {
  public:
    StandardStreams();
    ~StandardStreams();
    StandardStreams(const StandardStreams&) = delete;
    StandardStreams& operator=(const StandardStreams&) = delete;

    std::ostream& Out();
    std::ostream& Err();

  private:
    std::unique_ptr<std::streambuf> consoleOut_;
    std::unique_ptr<std::streambuf> consoleErr_;
    std::unique_ptr<std::ostream> out_;
    std::unique_ptr<std::ostream> err_;
};

// How many bytes at the start of `utf8` end on a character's boundary: all of them, less an
// incomplete sequence at the end, which waits for the rest of its bytes.
std::size_t CompleteUtf8Length(std::string_view utf8);

} // namespace waybill::cli

// The document file reader (ReadFWB, ParseFWB, model/FwbFile.h).
#include "model/FwbFile.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"
#include "units/NumberText.h"
#include "units/Parsers.h"
#include "units/Text.h"

namespace waybill {
namespace {

// A line of the file as the message quotes it: a binary file's line is no text, so control
// characters show as "?" and a long line is cut.
std::string QuotedLine(std::string_view line) {
    constexpr std::size_t kLongest = 120;
    std::string quoted(line.substr(0, kLongest));
    for (char& c : quoted) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 32 || code == 127) {
            c = '?';
        }
    }
    if (line.size() > kLongest) {
        quoted += '\x85'; // the ellipsis of Windows-1252
    }
    return quoted;
}

UserMessage FormatError(const std::filesystem::path& path, std::string_view detail) {
    return {"The waybill file " + PathText(path) + " error:\r" + QuotedLine(detail),
            "File Format Error", MessageIcon::Exclamation};
}

// "True"/"False" in any case, or a number: 0 is false, anything else true.
std::optional<bool> ParseBoolean(std::string_view value) {
    if (EqualsNoCase(value, "True")) {
        return true;
    }
    if (EqualsNoCase(value, "False")) {
        return false;
    }
    if (const auto number = NumericValue(value)) {
        return *number != 0;
    }
    return std::nullopt;
}

struct ParsedHeader {
    std::optional<std::string> detailBy, issue, checkedBy, curDate, customer, jobNumber, password;
    std::optional<bool> numberPgs, showPgTot;
};

// Reads header lines up to "**END HEADER"; on a malformed header, the message.
std::optional<UserMessage> ReadHeader(LineReader& reader, const std::filesystem::path& path,
                                      ParsedHeader& header) {
    while (!reader.AtEnd()) {
        const std::string_view line = TrimView(reader.Next());
        if (line == "**END HEADER") {
            return std::nullopt;
        }
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) {
            continue;
        }
        const std::string key = ToUpper(TrimView(line.substr(0, colon)));
        std::string value = Trim(line.substr(colon + 1));
        auto setBoolean = [&](std::optional<bool>& field) -> std::optional<UserMessage> {
            const auto b = ParseBoolean(value);
            if (!b) {
                return FormatError(path, line);
            }
            field = *b;
            return std::nullopt;
        };
        if (key == "DETAIL BY") {
            header.detailBy = std::move(value);
        } else if (key == "ISSUE") {
            header.issue = std::move(value);
        } else if (key == "CHECKED BY") {
            header.checkedBy = std::move(value);
        } else if (key == "DATE") {
            header.curDate = std::move(value);
        } else if (key == "CUSTOMER") {
            header.customer = std::move(value);
        } else if (key == "JOB NUMBER") {
            header.jobNumber = std::move(value);
        } else if (key == "PASSWORD") {
            header.password = std::move(value);
        } else if (key == "NUMBER PAGES") {
            if (auto error = setBoolean(header.numberPgs)) {
                return error;
            }
        } else if (key == "SHOW PAGE TOTAL") {
            if (auto error = setBoolean(header.showPgTot)) {
                return error;
            }
        }
    }
    return FormatError(path, "**HEADER without **END HEADER");
}

void ApplyHeader(ParsedHeader& header, Book& book) {
    auto set = [](std::optional<std::string>& from, std::string& to) {
        if (from) {
            to = std::move(*from);
        }
    };
    set(header.detailBy, book.DetailBy);
    set(header.issue, book.Issue);
    set(header.checkedBy, book.CheckedBy);
    set(header.curDate, book.CurDate);
    set(header.customer, book.Customer);
    set(header.jobNumber, book.JobNumber);
    set(header.password, book.Password);
    if (header.numberPgs) {
        book.NumberPgs = *header.numberPgs;
    }
    if (header.showPgTot) {
        book.ShowPgTot = *header.showPgTot;
    }
}

struct PendingPage {
    std::string cadNumber, finish, description;
    PageLines lines;
};

PendingPage ReadDefinition(std::string_view line) {
    PendingPage page;
    const std::size_t first = line.find(',');
    if (first == std::string_view::npos) {
        page.cadNumber = Trim(line);
        return page;
    }
    page.cadNumber = Trim(line.substr(0, first));
    const std::size_t second = line.find(',', first + 1);
    if (second == std::string_view::npos) {
        page.finish = Trim(line.substr(first + 1));
        return page;
    }
    page.finish = Trim(line.substr(first + 1, second - first - 1));
    page.description = DecodeCadCodes(line.substr(second + 1));
    return page;
}

} // namespace

UserMessage CannotOpenMessage(const std::filesystem::path& path) {
    return {"Cannot Open " + PathText(path) + "." + NotAFileNote(path), "File Error",
            MessageIcon::Exclamation};
}

std::optional<UserMessage> ReadFWB(const std::filesystem::path& path, Book& book) {
    const auto content = ReadWholeFile(path);
    if (!content) {
        return CannotOpenMessage(path);
    }
    return ParseFWB(*content, path, book);
}

std::optional<UserMessage> ParseFWB(std::string_view content, const std::filesystem::path& path,
                                    Book& book) {
    LineReader reader(content);
    if (reader.AtEnd()) {
        return CannotOpenMessage(path);
    }
    const std::string_view signature = reader.Next();
    if (signature != kFwbSignature) {
        return FormatError(path, signature);
    }

    ParsedHeader header;
    std::vector<PendingPage> pages;
    bool collecting = false;
    while (!reader.AtEnd()) {
        const std::string_view line = TrimView(reader.Next());
        if (line.empty()) {
            continue;
        }
        const std::string_view marker = line.substr(0, 6);
        if (marker == "**HEAD") {
            if (auto error = ReadHeader(reader, path, header)) {
                return error;
            }
        } else if (marker == "**PAGE") {
            pages.push_back(ReadDefinition(reader.AtEnd() ? std::string_view{} : reader.Next()));
            collecting = true;
        } else if (!collecting) {
            return FormatError(path, line);
        } else {
            pages.back().lines.push_back(PageLineFromFile(line));
        }
    }

    ApplyHeader(header, book);
    for (PendingPage& page : pages) {
        book.Add(std::move(page.cadNumber), std::move(page.finish), std::move(page.description),
                 std::move(page.lines), AfterLastPage);
    }
    return std::nullopt;
}

} // namespace waybill

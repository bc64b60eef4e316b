// The document file writer (FormatFWB, WriteFWB and the line escapes, model/FwbFile.h).
#include "model/FwbFile.h"
#include "platform/AtomicFile.h"
#include "units/Text.h"

#include <algorithm>

namespace waybill {
namespace {

std::string OneLine(std::string_view text) {
    std::string out(text);
    std::replace(out.begin(), out.end(), '\r', ' ');
    std::replace(out.begin(), out.end(), '\n', ' ');
    return out;
}

void AppendLine(std::string& out, std::string_view a, std::string_view b = {}) {
    out += a;
    if (b.find_first_of("\r\n") == std::string_view::npos) {
        out += b;
    } else {
        out += OneLine(b);
    }
    out += "\r\n";
}

bool IsMarker(std::string_view line) {
    return line.starts_with("**HEAD") || line.starts_with("**PAGE");
}

// One or more "\" followed by a marker.
bool IsEscapedMarker(std::string_view line) {
    const std::size_t bars = line.find_first_not_of('\\');
    return bars != 0 && bars != std::string_view::npos && IsMarker(line.substr(bars));
}

const char* BooleanWord(bool b) {
    return b ? "True" : "False";
}

} // namespace

std::string DefinitionField(std::string_view field) {
    std::string out = OneLine(field);
    std::replace(out.begin(), out.end(), ',', ';');
    return out;
}

std::string FileLine(std::string_view pageLine) {
    const std::string line = OneLine(pageLine);
    const std::string_view trimmed = TrimView(line);
    if (IsMarker(trimmed) || IsEscapedMarker(trimmed)) {
        return "\\" + std::string(trimmed);
    }
    return line;
}

std::string PageLineFromFile(std::string_view fileLine) {
    return std::string(IsEscapedMarker(fileLine) ? fileLine.substr(1) : fileLine);
}

std::string FormatFWB(const Book& book) {
    std::size_t size = 256;
    for (const auto& page : book.Pages()) {
        size += 16 + page->CadNumber.size() + page->Finish.size() + page->Description.size();
        for (const auto& line : page->PageData) {
            size += line.size() + 2;
        }
    }
    std::string out;
    out.reserve(size);
    AppendLine(out, kFwbSignature);
    AppendLine(out, "**HEADER");
    AppendLine(out, "Detail By: ", book.DetailBy);
    AppendLine(out, "Issue: ", book.Issue);
    AppendLine(out, "Checked By: ", book.CheckedBy);
    AppendLine(out, "Date: ", book.CurDate);
    AppendLine(out, "Customer: ", book.Customer);
    AppendLine(out, "Job Number: ", book.JobNumber);
    AppendLine(out, "Number Pages: ", BooleanWord(book.NumberPgs));
    AppendLine(out, "Show Page Total: ", BooleanWord(book.ShowPgTot));
    AppendLine(out, "Password: ", book.Password);
    AppendLine(out, "**END HEADER");
    for (const auto& page : book.Pages()) {
        AppendLine(out, "**PAGEDEF");
        out += DefinitionField(page->CadNumber);
        out += ',';
        out += DefinitionField(page->Finish);
        out += ',';
        AppendLine(out, {}, page->Description);
        for (const auto& line : page->PageData) {
            AppendLine(out, FileLine(line));
        }
    }
    return out;
}

std::optional<UserMessage> WriteFWB(const Book& book, const std::filesystem::path& path) {
    const std::string failure = WriteFileAtomically(path, FormatFWB(book));
    if (failure.empty()) {
        return std::nullopt;
    }
    return UserMessage{"Cannot Save " + PathText(path) + ".\r" + failure, "File Error",
                       MessageIcon::Exclamation};
}

} // namespace waybill

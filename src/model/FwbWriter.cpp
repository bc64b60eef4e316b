#include "model/FwbFile.h"
#include "platform/AtomicFile.h"

#include <algorithm>

namespace waybill {
namespace {

void AppendLine(std::string& out, std::string_view a, std::string_view b = {}) {
    out += a;
    out += b;
    out += "\r\n";
}

const char* BooleanWord(bool b) {
    return b ? "True" : "False";
}

} // namespace

std::string DefinitionField(std::string_view field) {
    std::string out(field);
    std::replace(out.begin(), out.end(), ',', ';');
    return out;
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
        out += page->CadNumber.find(',') == std::string::npos ? page->CadNumber
                                                              : DefinitionField(page->CadNumber);
        out += ',';
        out += page->Finish.find(',') == std::string::npos ? page->Finish
                                                           : DefinitionField(page->Finish);
        out += ',';
        AppendLine(out, page->Description);
        for (const auto& line : page->PageData) {
            AppendLine(out, line);
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

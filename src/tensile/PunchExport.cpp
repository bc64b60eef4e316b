#include "tensile/PunchExport.h"

#include "platform/AtomicFile.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"
#include "tensile/PatternsFile.h"
#include "units/Lengths.h"

#include <system_error>

namespace waybill {
namespace {

ExportFailure WriterFailure(std::string text) {
    return ExportFailure{{std::move(text), "Error", MessageIcon::Exclamation}};
}

} // namespace

std::variant<PunchExportDone, ExportFailure>
ExportPunches(const Book& book, PunchSelection selection, const std::filesystem::path& templates,
              const std::filesystem::path& patternsFile, FileSystemCalls& calls) {
    if (auto failure = CheckJobNumber(book.JobNumber)) {
        return std::move(*failure);
    }
    auto collected = CollectPunchMembers(book, selection);
    if (auto* failure = std::get_if<ExportFailure>(&collected)) {
        return std::move(*failure);
    }
    const PunchExportList& list = std::get<PunchExportList>(collected);
    if (list.members.empty()) {
        return ExportFailure{{"No hi-tensile members found to export.", "No Hi-Tensile Members",
                              MessageIcon::Exclamation}};
    }

    const auto templateText = ReadWholeFile(templates);
    if (!templateText) {
        return WriterFailure("Cannot read the punch templates file " + PathText(templates) + "." +
                             NotAFileNote(templates));
    }
    std::error_code ec;
    const bool exists = std::filesystem::exists(patternsFile, ec);
    const auto oldFile = exists ? ReadWholeFile(patternsFile) : std::optional<std::string>("");
    if (!oldFile) {
        return WriterFailure("Cannot read " + PathText(patternsFile) + "." +
                             NotAFileNote(patternsFile));
    }
    auto updated = UpdatePatternsFile(*oldFile, list, ReadPunchTemplates(*templateText));
    if (auto* why = std::get_if<std::string>(&updated)) {
        return WriterFailure(PathText(patternsFile) + ": " + *why);
    }
    const PatternsUpdate& update = std::get<PatternsUpdate>(updated);
    if (const std::string why = UpdateFile(patternsFile, *oldFile, update.file, calls);
        !why.empty()) {
        return WriterFailure("Cannot write " + PathText(patternsFile) + ": " + Utf8ToCp1252(why) +
                             ".");
    }
    return PunchExportDone{update.updated, update.appended, update.tooManyLeadPunches};
}

UserMessage TooManyLeadPunchesMessage(const std::vector<std::string>& names) {
    std::string text = "The following members had too many lead punches and were:\r"
                       "not exported:\r";
    for (const std::string& name : names) {
        text += GlyphsToText(name) + "\r";
    }
    text += "There is a maximum of 32 pairs of holes that can be defined.\r"
            "This means that for an E lead punch, you can define at\r"
            "most 20 \"A\" Dims.";
    return {std::move(text), "Export Punches", MessageIcon::Exclamation};
}

UserMessage PatternsFileNotSetMessage() {
    return {"The file path to the Spcptrns.dat file has not been set.\r"
            "Select Configure under the File menu to locate the file.",
            "File Not Found", MessageIcon::Exclamation};
}

} // namespace waybill

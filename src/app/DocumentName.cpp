#include "app/DocumentName.h"

#include "units/Text.h"

namespace waybill {

std::string DocFileName(std::string_view path) {
    const std::size_t sep = path.find_last_of("\\/");
    const std::string name(sep == std::string_view::npos ? path : path.substr(sep + 1));
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) {
        return name + ".fwb";
    }
    if (EndsWithNoCase(name, ".fwb")) {
        return name;
    }
    if (EndsWithNoCase(name, ".wbl")) {
        return name.substr(0, dot) + ".fwb";
    }
    return name + ".fwb";
}

std::string DocPathFor(std::string_view path) {
    if (path.empty()) {
        return {};
    }
    const std::size_t sep = path.find_last_of("\\/");
    const std::string_view folder =
        sep == std::string_view::npos ? std::string_view{} : path.substr(0, sep + 1);
    return std::string(folder) + DocFileName(path);
}

std::string WindowCaption(std::string_view docPath, bool readOnly) {
    if (docPath.empty()) {
        return "Waybill";
    }
    return "Waybill - " + std::string(docPath) + (readOnly ? " (read-only)" : "");
}

bool IsDocumentFilePath(std::string_view docPath) {
    return EndsWithNoCase(docPath, ".fwb");
}

std::string ProposedSaveName(std::string_view docPath, std::string_view jobNumber) {
    if (!docPath.empty()) {
        return std::string(docPath);
    }
    const std::string_view job = TrimView(jobNumber);
    return job.empty() ? std::string{} : DocFileName(job);
}

std::string FolderOf(std::string_view path) {
    const std::size_t sep = path.find_last_of("\\/");
    if (sep == std::string_view::npos) {
        return {};
    }
    if (sep == 0) {
        return std::string(path.substr(0, 1));
    }
    return std::string(path.substr(0, sep));
}

std::optional<std::string> ChosenFileName(std::string_view name) {
    constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
    const std::size_t first = name.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t last = name.find_last_not_of(kWhiteSpace);
    return std::string(name.substr(first, last - first + 1));
}

} // namespace waybill

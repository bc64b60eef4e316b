#include "model/FwbFile.h"
#include "platform/TextFile.h"
#include "tensile/PatternsFile.h"
#include "tensile/PunchExport.h"

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Files {
    fs::path folder;
    fs::path templates;
    fs::path patterns;
    std::string oldPatterns;

    Files() {
        folder = fs::temp_directory_path() / ("waybill-fuzz-punches-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        templates = folder / "PunchTemplates.txt";
        patterns = folder / "Spcptrns.dat";
        std::ofstream(templates, std::ios::binary)
            << ":end\nWEB, 1.375, 9/16\n:e-lead-opt\n[end]\nWEB, 25.375, 9/16\n"
               ":e-tail-opt\n[end]\n:b-lead-opt\n[end]\n:b-tail-opt\n[b-lead-opt]\n"
               ":d-lead-opt\nWEB, 10, 9/16\n:d-tail-opt\n[d-lead-opt]\n";
        oldPatterns = std::string(waybill::kPatternRecordSize, 'o');
    }
    ~Files() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

float FloatAt(std::string_view record, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(record[offset + k]))
                << (8 * k);
    }
    return std::bit_cast<float>(bits);
}

// Every hole of a written record lies on the member: from 0 to its length.
bool HolesOnTheMember(std::string_view record) {
    const float length = FloatAt(record, waybill::kLengthOffset);
    const std::pair<std::size_t, std::size_t> sections[] = {
        {waybill::kLeadCountOffset, waybill::kLeadPosOffset},
        {waybill::kTailCountOffset, waybill::kTailPosOffset}};
    for (const auto& [count, positions] : sections) {
        const float used = FloatAt(record, count);
        for (std::size_t k = 0; k < waybill::kSectionEntries && static_cast<float>(k) < used; ++k) {
            const float position = FloatAt(record, positions + 4 * k);
            if (!(position >= 0 && position <= length)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

// Any document: the export ends; a stop leaves the patterns file byte for byte as it was,
// and a written file holds whole records, whose holes lie on their members.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Files files;
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    waybill::Book book;
    if (waybill::ParseFWB(content, "fuzz.fwb", book)) {
        return 0;
    }
    for (const auto selection : {waybill::PunchSelection::All, waybill::PunchSelection::Only}) {
        std::ofstream(files.patterns, std::ios::binary | std::ios::trunc) << files.oldPatterns;
        const auto result =
            waybill::ExportPunches(book, selection, files.templates, files.patterns);
        const auto now = waybill::ReadWholeFile(files.patterns).value_or("");
        if (std::holds_alternative<waybill::ExportFailure>(result)
                ? now != files.oldPatterns
                : now.size() % waybill::kPatternRecordSize != 0) {
            __builtin_trap();
        }
        for (std::size_t at = 0; at < now.size(); at += waybill::kPatternRecordSize) {
            const std::string_view record =
                std::string_view(now).substr(at, waybill::kPatternRecordSize);
            if (record != files.oldPatterns && !HolesOnTheMember(record)) {
                __builtin_trap();
            }
        }
    }
    return 0;
}

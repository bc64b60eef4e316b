#include "model/FwbFile.h"
#include "platform/TextFile.h"
#include "tensile/PatternsFile.h"
#include "tensile/PunchExport.h"

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
               ":e-tail-opt\n[end]\n:b-lead-opt\n[end]\n:b-tail-opt\n[b-lead-opt]\n";
        oldPatterns = std::string(waybill::kPatternRecordSize, 'o');
    }
    ~Files() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

} // namespace

// Any document: the export ends; a stop leaves the patterns file byte for byte as it was,
// and a written file holds whole records.
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
    }
    return 0;
}

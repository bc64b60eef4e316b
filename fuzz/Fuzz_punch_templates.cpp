#include "tensile/PatternsFile.h"
#include "tensile/PunchTemplates.h"

#include <cstdint>
#include <string_view>

// Any templates file: reading and expanding every template ends, and what it gives fits a
// section of the patterns record.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const waybill::PunchTemplates templates = waybill::ReadPunchTemplates(text);
    for (const auto& [name, lines] : templates.templates) {
        const auto expanded =
            waybill::ExpandTemplate(templates, name, waybill::kSectionEntries / 2);
        if (const auto* positions = std::get_if<std::vector<float>>(&expanded);
            positions != nullptr && positions->size() > waybill::kSectionEntries / 2) {
            __builtin_trap();
        }
    }
    return 0;
}

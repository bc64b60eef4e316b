#include "tensile/PatternsFile.h"
#include "tensile/PunchTemplates.h"

#include <cmath>
#include <cstdint>
#include <string_view>

// Any templates file: reading and expanding every template ends, and what it gives fits a
// section of the patterns record: at most 32 holes, each at a finite position from 0 on.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const waybill::PunchTemplates templates = waybill::ReadPunchTemplates(text);
    for (const auto& [name, lines] : templates.templates) {
        const auto expanded =
            waybill::ExpandTemplate(templates, name, waybill::kSectionEntries / 2);
        const auto* holes = std::get_if<std::vector<waybill::TemplateHole>>(&expanded);
        if (holes == nullptr) {
            continue;
        }
        if (holes->size() > waybill::kSectionEntries / 2) {
            __builtin_trap();
        }
        for (const waybill::TemplateHole& hole : *holes) {
            if (!std::isfinite(hole.position) || hole.position < 0) {
                __builtin_trap();
            }
        }
    }
    return 0;
}

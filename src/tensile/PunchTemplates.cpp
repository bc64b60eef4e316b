#include "tensile/PunchTemplates.h"

#include "platform/TextFile.h"
#include "units/NumberText.h"
#include "units/Text.h"

#include <algorithm>
#include <optional>

namespace waybill {
namespace {

std::string Quoted(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

class Expander {
  public:
    Expander(const PunchTemplates& templates, std::size_t maxPositions)
        : templates_(templates), maxPositions_(maxPositions) {}

    // Empty on success; the positions are in `positions`.
    std::string Expand(std::string_view name, int depth) {
        const auto found = templates_.templates.find(ToLower(name));
        if (found == templates_.templates.end()) {
            return "Punch template " + Quoted(name) + " not found in PunchTemplates.txt.";
        }
        if (std::ranges::find(templates_.duplicates, found->first) != templates_.duplicates.end()) {
            // Which of the two the shop meant cannot be told; punching either could be wrong.
            return "Punch template " + Quoted(name) + " is defined twice in PunchTemplates.txt.";
        }
        if (depth > kMaxTemplateDepth) {
            return "Punch template " + Quoted(name) +
                   " includes itself or nests its includes too deeply.";
        }
        for (const std::string& line : found->second) {
            // Every line costs one step, so templates that include each other many times
            // over cannot run for ever.
            if (++steps_ > kMaxSteps) {
                return "Punch template " + Quoted(name) +
                       " includes itself or nests its includes too deeply.";
            }
            if (line[0] == '[') {
                const std::string inner = Trim(std::string_view(line).substr(1, line.size() - 2));
                if (std::string why = Expand(inner, depth + 1); !why.empty()) {
                    return why;
                }
                continue;
            }
            LineReader fields(line);
            fields.NextField();
            const auto position = NumericValue(fields.NextField());
            if (!position) {
                return "Punch template " + Quoted(name) +
                       " has a hole line without a position: " + line;
            }
            if (positions.size() == maxPositions_) {
                return "Punch template " + Quoted(name) + " has more holes than one section of " +
                       "a special pattern holds.";
            }
            positions.push_back(static_cast<float>(*position));
        }
        return {};
    }

    std::vector<float> positions;

  private:
    static constexpr int kMaxSteps = 100000;
    const PunchTemplates& templates_;
    const std::size_t maxPositions_;
    int steps_ = 0;
};

} // namespace

PunchTemplates ReadPunchTemplates(std::string_view text) {
    PunchTemplates result;
    std::vector<std::string>* current = nullptr;
    for (LineReader lines(text); !lines.AtEnd();) {
        const std::string line = Trim(lines.Next());
        if (line.empty()) {
            continue;
        }
        if (line[0] == ':') {
            const std::string name = ToLower(Trim(std::string_view(line).substr(1)));
            const auto [entry, added] = result.templates.try_emplace(name);
            if (added) {
                current = &entry->second;
            } else {
                result.duplicates.push_back(name);
                current = nullptr;
            }
        } else if (current != nullptr) {
            current->push_back(line);
        }
    }
    return result;
}

std::variant<std::vector<float>, std::string>
ExpandTemplate(const PunchTemplates& templates, std::string_view name, std::size_t maxPositions) {
    Expander expander(templates, maxPositions);
    if (std::string why = expander.Expand(name, 0); !why.empty()) {
        return why;
    }
    return std::move(expander.positions);
}

} // namespace waybill

#include "tensile/PunchTemplates.h"

#include "platform/TextFile.h"
#include "units/Lengths.h"
#include "units/NumberText.h"
#include "units/Text.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace waybill {
namespace {

// A name quoted in a message, as plain text: a punch code comes from a cell.
std::string Quoted(std::string_view name) {
    return "\"" + GlyphsToText(name) + "\"";
}

class Expander {
  public:
    Expander(const PunchTemplates& templates, std::string_view asked, std::size_t maxPositions)
        : templates_(templates), asked_(asked), maxPositions_(maxPositions) {}

    // Empty on success; the holes are in `holes`.
    std::string Expand(std::string_view name, int depth) {
        const std::string subject = Subject(name, depth);
        const auto found = templates_.templates.find(ToLower(name));
        if (found == templates_.templates.end()) {
            return subject + " not found in PunchTemplates.txt.";
        }
        if (std::ranges::find(templates_.duplicates, found->first) != templates_.duplicates.end()) {
            // Which of the two the shop meant cannot be told; punching either could be wrong.
            return subject + " is defined twice in PunchTemplates.txt.";
        }
        if (depth > kMaxTemplateDepth) {
            return subject + " includes itself or nests its includes too deeply.";
        }
        for (const std::string& line : found->second) {
            // Every line costs one step, so templates that include each other many times
            // over cannot run for ever.
            if (++steps_ > kMaxSteps) {
                return subject + " includes itself or nests its includes too deeply.";
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
                return subject + " has a hole line without a position: " + line;
            }
            // The machine's file holds single-precision positions along the member.
            if (*position < 0) {
                return subject + " has a hole position below 0: " + line;
            }
            if (*position > std::numeric_limits<float>::max()) {
                return subject +
                       " has a hole position too large for the special patterns file: " + line;
            }
            if (holes.size() == maxPositions_) {
                return subject + " has more holes than one section of a special pattern holds.";
            }
            holes.push_back({static_cast<float>(*position), subject, line});
        }
        return {};
    }

    std::vector<TemplateHole> holes;

  private:
    std::string Subject(std::string_view name, int depth) const {
        std::string subject = "Punch template " + Quoted(name);
        if (depth > 0 && !EqualsNoCase(name, asked_)) {
            subject += " (included in " + Quoted(asked_) + ")";
        }
        return subject;
    }

    static constexpr int kMaxSteps = 100000;
    const PunchTemplates& templates_;
    const std::string_view asked_;
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

std::variant<std::vector<TemplateHole>, std::string>
ExpandTemplate(const PunchTemplates& templates, std::string_view name, std::size_t maxPositions) {
    Expander expander(templates, name, maxPositions);
    if (std::string why = expander.Expand(name, 0); !why.empty()) {
        return why;
    }
    return std::move(expander.holes);
}

} // namespace waybill

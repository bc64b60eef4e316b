#pragma once

#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace waybill {

// The punch templates file: ":name" opens a template, "[name]" includes another template
// at that point, any other line is a hole line "FACE, position, size" of which only the
// position (inches along the member) is used. Lines are trimmed; blank lines and lines
// before the first template are ignored.
struct PunchTemplates {
    // By lower-case name: the template's lines in file order. A name defined twice keeps
    // its first definition and is listed in `duplicates`; expanding it is refused.
    std::map<std::string, std::vector<std::string>> templates;
    std::vector<std::string> duplicates;
};

PunchTemplates ReadPunchTemplates(std::string_view text);

// Includes deeper than this are taken for a template that includes itself.
constexpr int kMaxTemplateDepth = 16;

// The hole positions of the named template (any letter case), includes expanded in place,
// in file order; at most `maxPositions` of them. Otherwise what is wrong, for the user: a
// missing template, a hole line without a position, includes nested too deeply, or more
// positions than `maxPositions`.
std::variant<std::vector<float>, std::string>
ExpandTemplate(const PunchTemplates& templates, std::string_view name, std::size_t maxPositions);

} // namespace waybill

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

// One hole of an expanded template, with where it is written for the messages about it.
struct TemplateHole {
    float position = 0; // inches along the member, 0 or more
    // The template it is written in: "Punch template "NAME"", and when NAME was included,
    // "Punch template "NAME" (included in "ASKED")".
    std::string source;
    std::string line; // the hole line as written
};

// The holes of the named template (any letter case), includes expanded in place, in file
// order; at most `maxPositions` of them. Otherwise what is wrong, for the user, naming the
// template at fault and the one asked for: a missing template, a hole line without a
// position, a position below 0 or too large for a single-precision number, includes nested
// too deeply, or more positions than `maxPositions`.
std::variant<std::vector<TemplateHole>, std::string>
ExpandTemplate(const PunchTemplates& templates, std::string_view name, std::size_t maxPositions);

} // namespace waybill

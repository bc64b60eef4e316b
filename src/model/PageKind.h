#pragma once

#include <span>
#include <string_view>

namespace waybill {

// CAD bases as the page-kind rules name them: one name, a range in text order with both ends
// included, or every name starting with a prefix; letter case is ignored.
struct CadBaseSet {
    enum class Form { Name, Range, Prefix };
    Form form = Form::Name;
    std::string_view first;
    std::string_view last; // the range's end

    bool Contains(std::string_view cadBase) const;
};

constexpr CadBaseSet Named(std::string_view name) {
    return {CadBaseSet::Form::Name, name, name};
}
constexpr CadBaseSet Ranged(std::string_view first, std::string_view last) {
    return {CadBaseSet::Form::Range, first, last};
}
constexpr CadBaseSet Prefixed(std::string_view prefix) {
    return {CadBaseSet::Form::Prefix, prefix, {}};
}

bool AnyContains(std::span<const CadBaseSet> sets, std::string_view cadBase);

// The kind of a page, told by its CAD base (CadBase in Page.h). It selects the cell rules,
// the finish catalogue, the part-number and finish rules, and how the exports treat the page.
enum class PageKind {
    BuiltUpSteel,    // "bu_steel"
    HotRolledSteel,  // "hr_steel"
    FlangeBraces,    // "flbrc01"
    Rods,            // "rods01"
    Cable,           // "cable01" to "cable04"
    Clip1,           // "clp02_1"
    Clip2,           // "clp02_2"
    ZeePurlins,      // "tenza" to "tenzf99"
    CeePurlins,      // "tenca" to "tencf99"
    Girts,           // "teng" to "tengzzzz"
    EaveStrutList,   // names starting with "tene"
    OtherTensile,    // the rest of "ten" to "tenzzzzz"
    ZeeMember,       // "zee00"
    CeeMember,       // "cee00"
    EaveStrutMember, // "eav00"
    Sheet,           // "sht" to "shtzzzzz"
    FormedAngles,    // "angl05"
    Other,
};

PageKind PageKindOf(std::string_view cadBase);

// Built-up and hot-rolled steel: the member type list in the part number column.
bool IsSteel(PageKind kind);
// Steel and flange braces: the iron finishes, and a finish word in the exported table.
bool IsFabricatedSteel(PageKind kind);
bool IsClip(PageKind kind);
// The hi-tensile lists, "ten" to "tenzzzzz".
bool IsTensileList(PageKind kind);
// The member pages "zee00", "cee00" and "eav00", whose rows the member editor numbers.
bool IsMemberPage(PageKind kind);
// Tensile lists and member pages: the hi-tensile finishes, the finish in the description.
bool IsHiTensile(PageKind kind);
// The Zee and Cee member pages: configured in the member editor, punched by the machine.
bool IsZeeOrCee(PageKind kind);

// Pages of purchased items, which the table export leaves out.
bool IsPurchasePage(std::string_view cadBase);
// Pages whose rows go into the table with an empty description.
bool IsNoDescriptionPage(std::string_view cadBase);

} // namespace waybill

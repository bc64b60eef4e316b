#pragma once

// Every trim-detail generator once: its AutoPage menu entries, its dialog's fields and frames,
// the command line's words and the function that makes the page(s). The menu, the dialogs and
// `waybill-cli detail` are all built from this table, so they cannot differ.

#include "details/DetailPage.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

enum class DetailFieldKind {
    Number,   // a number typed into a box
    FtDotted, // a length typed as "ft.iiss" (or feet-inch text), read by ReadFtDottedBox
    Text,     // an SF number or the like, kept as typed (trimmed)
    Option,   // one of a few option buttons
    Check,    // a check box
};

// One option button: its control name and caption.
struct DetailChoice {
    std::string_view control; // "optApexSpan"
    std::string_view caption; // "Apex Span"
};

struct DetailField {
    // The field's name: the box "txt" + name (a check box "chk" + name) with its label
    // "lbl" + name, and the command line's "name=value".
    std::string_view name;
    // The box's label or the check box's caption; an option's buttons carry their own.
    std::string_view label;
    DetailFieldKind kind = DetailFieldKind::Number;
    // The frame the dialog puts the field in; consecutive fields with one frame share it.
    std::string_view frame;
    // An option's buttons in the dialog's order; the first is chosen unless the entry presets
    // another.
    std::vector<DetailChoice> choices;
    // An option's buttons side by side rather than one under the other.
    bool across = false;
};

// What was typed and picked, by field name. A field missing here is an empty box, an option
// at its first button, a check box not ticked.
struct DetailInputs {
    std::map<std::string, std::string, std::less<>> texts;
    // An option's button from 0; a check box's 1 when ticked.
    std::map<std::string, int, std::less<>> choices;

    std::string Text(std::string_view field) const;
    int Choice(std::string_view field) const;
};

// A generator dialog: its object name and its fields in the dialog's order.
struct DetailForm {
    std::string_view dialog; // "dlgGutter"
    std::vector<DetailField> fields;
};

// The option button an entry picks when its dialog opens; the command line takes it from the
// variant word, so the field is no word of its own there.
struct DetailPreset {
    std::string_view field;
    int choice = 0;
};

// One AutoPage menu entry, which is one generator with one variant on the command line.
struct DetailVariant {
    std::string_view word;        // the command line's VARIANT; empty when it is the only one
    std::string_view menuName;    // "mnuAutoPgGutOversize"
    std::string_view menuCaption; // "&Oversized"
    std::string_view caption;     // the dialog's window title
    std::string_view step;        // the undo step that adds its pages
    const DetailForm* form = nullptr;
    DetailResult (*make)(const DetailInputs&) = nullptr;
    std::optional<DetailPreset> preset;
    // Fields the dialog shows greyed out; the page ignores them.
    std::vector<std::string_view> greyed;

    // The form's fields the command line takes as "name=value": all but the preset one.
    std::vector<const DetailField*> TypedFields() const;
    // The inputs before anything is typed: the preset option chosen.
    DetailInputs Preset() const;
    bool Greyed(std::string_view field) const;
};

// A generator: the command line's GENERATOR and its AutoPage submenu.
struct DetailGenerator {
    std::string_view word;        // "gutter"
    std::string_view menuName;    // "mnuAutoPgGut"; empty: the one entry sits in AutoPage itself
    std::string_view menuCaption; // "&Gutter"
    std::vector<DetailVariant> variants;
};

// In the AutoPage menu's order.
const std::vector<DetailGenerator>& DetailCatalogue();

// The hint a "ft.iiss" box shows while it is empty.
inline constexpr std::string_view kFtDottedPlaceholder = "ft.iiss, e.g. 10.0608";

// What a "ft.iiss" box reads, shown beside it: "= 10'-6 1/2"; nothing for an empty box, a short
// reason for a text that is no length.
std::string FtDottedReading(std::string_view typed);

} // namespace waybill

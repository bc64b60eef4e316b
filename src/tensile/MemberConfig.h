#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

// A hi-tensile member's configuration lives in the seven attribute values of its page's
// drawing block ("zee00" or "cee00"): depth, two size codes, the size code again, the
// description, the material and the strip size. These are the lists the member editor
// offers, how they are read back from the values and how a choice is written into them.

enum class MemberSection { Zee, Cee };

// The section of a member block name ("zee00", "cee00", any case); nothing for other blocks.
std::optional<MemberSection> MemberSectionOf(std::string_view blockName);
// "Zee Configuration" or "Cee Configuration".
std::string MemberEditorCaption(MemberSection section);

struct MemberSize {
    std::string_view item; // the list text, e.g. "8 (B)"
    int depth;             // inches
    char letter;
    std::string_view code1;
    std::string_view code2;
};

struct MemberFlange {
    std::string_view item; // the nominal width, "2", "3" or "4"
    std::string_view zeeText;
    std::string_view ceeText;
    int girthAddition; // inches
};

struct MemberGauge {
    std::string_view text; // written into the description, e.g. "14GA"
    std::string_view plainItem;
    std::string_view preGalvItem;
    std::string_view plainThickness;
    std::string_view preGalvThickness;
    char plainDigit;
    char preGalvDigit;
    int number; // 12, 14 or 16
};

extern const std::array<MemberSize, 6> kMemberSizes;
extern const std::array<MemberFlange, 3> kMemberFlanges;
extern const std::array<MemberGauge, 3> kMemberGauges;

// Indexes into the tables by the numbers a user gives: depth in inches, nominal flange width
// in inches, gauge.
std::optional<std::size_t> FindMemberSize(int depth);
std::optional<std::size_t> FindMemberFlange(int nominalWidth);
std::optional<std::size_t> FindMemberGauge(int gauge);

// The gauge list's texts: the thicknesses differ for pre-galvanized material.
std::vector<std::string> MemberGaugeItems(bool preGalvanized);

// What the editor's lists hold: indexes into the tables above and the chosen finish long
// name. Nothing chosen is nothing.
struct MemberChoices {
    std::optional<std::size_t> size;
    std::optional<std::size_t> flange;
    std::optional<std::size_t> gauge;
    bool preGalvanized = false;
    std::optional<std::string> finish;

    bool operator==(const MemberChoices&) const = default;
};

// The choices stored in a value line (values that match no list item leave that list
// unchosen). The finish is the list entry equal to `pageFinish` without regard to case,
// and only when the material is not pre-galvanized.
MemberChoices DecodeMemberConfig(std::string_view valueLine, std::string_view pageFinish,
                                 const std::vector<std::string>& finishNames);

// OK is open once size, flange and gauge are chosen and the material is pre-galvanized or
// a finish is chosen.
bool MemberChoicesComplete(const MemberChoices& choices);

constexpr std::string_view kPreGalvanizedFinish = "Pre-Galvanized";

// What OK in the editor produces.
struct MemberEncoding {
    std::vector<std::string> values; // the seven attribute values
    std::string valueLine;           // the values as a pipe list
    std::string partCode;            // e.g. "ZB24"
    std::string finish;              // "Pre-Galvanized" or the chosen finish
};

// Nothing when the choices are not complete.
std::optional<MemberEncoding> EncodeMemberConfig(MemberSection section,
                                                 const MemberChoices& choices);

// The catalogue part number of a part code: "ZB24" gives "528Z14", "CB47" gives "5284C12".
// Nothing for a text that is no part code.
std::optional<std::string> MemberPartNumber(std::string_view partCode);

} // namespace waybill

#include "tensile/MemberConfig.h"

#include "model/PageKind.h"
#include "units/NumberText.h"
#include "units/Parsers.h"
#include "units/Text.h"

#include <algorithm>
#include <charconv>

namespace waybill {

// Fractions in the flange texts are drawing-font glyphs: byte 200 + k draws k/32 inch.
const std::array<MemberSize, 6> kMemberSizes{{
    {"4 (F)", 4, 'F', "", ""},
    {"6 (A)", 6, 'A', "1", "4"},
    {"8 (B)", 8, 'B', "2", "4"},
    {"10 (C)", 10, 'C', "3", "4"},
    {"12 (D)", 12, 'D', "2", "8"},
    {"14 (E)", 14, 'E', "3", "8"},
}};

const std::array<MemberFlange, 3> kMemberFlanges{{
    {"2", "2\xCC x 2\xD4", "2\xD8 x 2\xD8", 5},
    {"3", "3\xCC x 3\xD4", "3\xD8 x 3\xD8", 7},
    {"4", "3\xDC x 3\xE4", "4 x 4", 8},
}};

const std::array<MemberGauge, 3> kMemberGauges{{
    {"12GA", "12 GA (.100)", "12 GA (.102)", "0.100", "0.102", '2', '7', 12},
    {"14GA", "14 GA (.067)", "14 GA (.069)", "0.067", "0.069", '4', '9', 14},
    {"16GA", "16 GA (.056)", "16 GA (.058)", "0.056", "0.058", '6', '1', 16},
}};

namespace {

constexpr std::string_view kPlainMaterial = "ASTM A1011 Grade 55";
constexpr std::string_view kPreGalvMaterial = "ASTM A653 Grade D";
constexpr std::size_t kMemberValues = 7;

// The section symbols of the drawing font.
constexpr char kZeeSymbol = '\xF0';
constexpr char kCeeSymbol = '\xEB';

char TypeLetter(MemberSection section) {
    return section == MemberSection::Zee ? 'Z' : 'C';
}

// The number a text starts with, as a whole number.
std::optional<int> WholeNumber(std::string_view text) {
    const auto number = LeadingNumber(text);
    if (!number) {
        return std::nullopt;
    }
    return RoundToInt32(*number);
}

// The flange glyph pair after the first "x" of the description: the first two characters
// of the flange text, which tell the choices apart for both sections.
std::optional<std::size_t> DecodeFlange(std::string_view description) {
    const std::size_t x = description.find('x');
    if (x == std::string_view::npos || x + 3 >= description.size()) {
        return std::nullopt;
    }
    const char digit = description[x + 2];
    const char next = description[x + 3];
    const bool eighthOrHalf = next == '\xCC' || next == '\xD8';
    if (digit == '2' && eighthOrHalf) {
        return 0;
    }
    if (digit == '3' && eighthOrHalf) {
        return 1;
    }
    if ((digit == '3' && next == '\xDC') || (digit == '4' && next == ' ')) {
        return 2;
    }
    return std::nullopt;
}

// The gauge number after the last "x" of the description and one blank ("14" of "14GA").
std::optional<std::size_t> DecodeGauge(std::string_view description) {
    const std::size_t x = description.rfind('x');
    if (x == std::string_view::npos || x + 2 >= description.size()) {
        return std::nullopt;
    }
    const auto number = WholeNumber(description.substr(x + 2));
    return number ? FindMemberGauge(*number) : std::nullopt;
}

// The girth as a plain decimal number with "." whatever the locale.
std::string FormatGirth(double girth) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, girth);
    return std::string(buffer, result.ptr);
}

} // namespace

std::optional<MemberSection> MemberSectionOf(std::string_view blockName) {
    switch (PageKindOf(blockName)) {
    case PageKind::ZeeMember:
        return MemberSection::Zee;
    case PageKind::CeeMember:
        return MemberSection::Cee;
    default:
        return std::nullopt;
    }
}

std::string MemberEditorCaption(MemberSection section) {
    return section == MemberSection::Zee ? "Zee Configuration" : "Cee Configuration";
}

std::optional<std::size_t> FindMemberSize(int depth) {
    for (std::size_t i = 0; i < kMemberSizes.size(); ++i) {
        if (kMemberSizes[i].depth == depth) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> FindMemberFlange(int nominalWidth) {
    for (std::size_t i = 0; i < kMemberFlanges.size(); ++i) {
        if (WholeNumber(kMemberFlanges[i].item) == nominalWidth) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> FindMemberGauge(int gauge) {
    for (std::size_t i = 0; i < kMemberGauges.size(); ++i) {
        if (kMemberGauges[i].number == gauge) {
            return i;
        }
    }
    return std::nullopt;
}

std::vector<std::string> MemberGaugeItems(bool preGalvanized) {
    std::vector<std::string> items;
    for (const auto& gauge : kMemberGauges) {
        items.emplace_back(preGalvanized ? gauge.preGalvItem : gauge.plainItem);
    }
    return items;
}

MemberChoices DecodeMemberConfig(std::string_view valueLine, std::string_view pageFinish,
                                 const std::vector<std::string>& finishNames) {
    auto values = SplitPipeList(valueLine);
    values.resize(std::max(values.size(), kMemberValues));

    MemberChoices choices;
    if (const auto depth = WholeNumber(values[0])) {
        choices.size = FindMemberSize(*depth);
    }
    choices.flange = DecodeFlange(values[4]);
    choices.gauge = DecodeGauge(values[4]);
    choices.preGalvanized = values[5].find("A653") != std::string::npos;
    if (!choices.preGalvanized) {
        for (const auto& name : finishNames) {
            if (EqualsNoCase(name, pageFinish)) {
                choices.finish = name;
            }
        }
    }
    return choices;
}

bool MemberChoicesComplete(const MemberChoices& choices) {
    return choices.size && choices.flange && choices.gauge &&
           (choices.preGalvanized || choices.finish);
}

std::optional<MemberEncoding> EncodeMemberConfig(MemberSection section,
                                                 const MemberChoices& choices) {
    if (!MemberChoicesComplete(choices) || *choices.size >= kMemberSizes.size() ||
        *choices.flange >= kMemberFlanges.size() || *choices.gauge >= kMemberGauges.size()) {
        return std::nullopt;
    }
    const MemberSize& size = kMemberSizes[*choices.size];
    const MemberFlange& flange = kMemberFlanges[*choices.flange];
    const MemberGauge& gauge = kMemberGauges[*choices.gauge];
    const bool preGalv = choices.preGalvanized;

    const std::string depth = std::to_string(size.depth);
    const double girth = size.depth + flange.girthAddition + 0.9375;

    MemberEncoding encoding;
    encoding.values = {
        depth,
        std::string(size.code1),
        std::string(size.code2),
        std::string(size.code1),
        depth + (section == MemberSection::Zee ? kZeeSymbol : kCeeSymbol) + " x " +
            std::string(section == MemberSection::Zee ? flange.zeeText : flange.ceeText) + " x " +
            std::string(gauge.text),
        std::string(preGalv ? kPreGalvMaterial : kPlainMaterial),
        FormatGirth(girth) + " x " +
            std::string(preGalv ? gauge.preGalvThickness : gauge.plainThickness) + " Min.",
    };
    encoding.valueLine = JoinPipeList(encoding.values, 0);
    encoding.partCode = {TypeLetter(section), size.letter, flange.item.front(),
                         preGalv ? gauge.preGalvDigit : gauge.plainDigit};
    encoding.finish = preGalv ? std::string(kPreGalvanizedFinish) : *choices.finish;
    return encoding;
}

std::optional<std::string> MemberPartNumber(std::string_view partCode) {
    if (partCode.size() != 4) {
        return std::nullopt;
    }
    const char type = ToUpperAscii(partCode[0]);
    if (type != 'Z' && type != 'C') {
        return std::nullopt;
    }

    std::optional<int> depth;
    for (const auto& size : kMemberSizes) {
        if (size.letter == ToUpperAscii(partCode[1])) {
            depth = size.depth;
        }
    }

    std::string_view flangePart;
    switch (partCode[2]) {
    case '2':
        flangePart = "";
        break;
    case '3':
        flangePart = "312";
        break;
    case '4':
        flangePart = "4";
        break;
    default:
        return std::nullopt;
    }

    std::optional<int> gaugeNumber;
    for (const auto& gauge : kMemberGauges) {
        if (partCode[3] == gauge.plainDigit || partCode[3] == gauge.preGalvDigit) {
            gaugeNumber = gauge.number;
        }
    }
    if (!depth || !gaugeNumber) {
        return std::nullopt;
    }
    return "52" + std::to_string(*depth) + std::string(flangePart) + type +
           std::to_string(*gaugeNumber);
}

} // namespace waybill

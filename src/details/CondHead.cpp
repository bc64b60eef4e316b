#include "details/CondHead.h"

#include "details/DetailValues.h"
#include "units/Angles.h"
#include "units/Lengths.h"

namespace waybill {
namespace {

using details::Single;

std::optional<DetailInputError> Validate(CondHeadOffset offset, float guWidth, float guDepth,
                                         float dsWidth, float dsDepth) {
    const char* rangeMessage = "Invalid number.  Value must be from 4 to 24.";
    if (!(guWidth >= 4 && guWidth <= 24)) {
        return details::RuleError(guWidth, rangeMessage, "GuWidth");
    }
    if (!(guDepth >= 4 && guDepth <= 24)) {
        return details::RuleError(guDepth, rangeMessage, "GuDepth");
    }
    if (!(dsWidth >= 0)) {
        return details::RuleError(dsWidth, "Invalid number.", "DsWidth");
    }
    if (!(dsDepth >= 0)) {
        return details::RuleError(dsDepth, "Invalid number.", "DsDepth");
    }
    // An offset outlet needs twice the clearance of a centred one.
    const bool centred = offset == CondHeadOffset::None;
    const double clearance = centred ? 0.125 : 0.25;
    const char* message = centred ? "Downspout must be smaller than gutter by more than 1/8 inch."
                                  : "Downspout must be smaller than gutter by more than 1/4 inch.";
    if (!(Single(guWidth - clearance) > dsWidth)) {
        return DetailInputError{message, "DsWidth"};
    }
    if (!(Single(guDepth - clearance) > dsDepth)) {
        return DetailInputError{message, "DsDepth"};
    }
    return std::nullopt;
}

const char* BlockName(CondHeadOffset offset) {
    switch (offset) {
    case CondHeadOffset::Right:
        return "conhdr";
    case CondHeadOffset::Left:
        return "conhdl";
    case CondHeadOffset::None:
        break;
    }
    return "conhd";
}

const char* Description(CondHeadOffset offset) {
    switch (offset) {
    case CondHeadOffset::Right:
        return "TRIM DETAILS (Conductor Head-Right Offset)";
    case CondHeadOffset::Left:
        return "TRIM DETAILS (Conductor Head-Left Offset)";
    case CondHeadOffset::None:
        break;
    }
    return "TRIM DETAILS (Conductor Head)";
}

} // namespace

DetailResult MakeCondHead(const CondHeadInput& input) {
    const float guWidth = details::TypedSingle(input.guWidth);
    const float guDepth = details::TypedSingle(input.guDepth);
    const float dsWidth = details::TypedSingle(input.dsWidth);
    const float dsDepth = details::TypedSingle(input.dsDepth);
    if (auto error = Validate(input.offset, guWidth, guDepth, dsWidth, dsDepth)) {
        return *error;
    }

    // Every size is bounded by the validation, so each value here is a usable length, and
    // only A and B can come out too small.
    const bool centred = input.offset == CondHeadOffset::None;
    const float taper = Single(guWidth - dsWidth + 0.25);
    const float h = centred ? taper / 2 : taper;
    const std::string hText = FormatFtInGlyph(h);
    const float hs = Round16(Single(h / CosD(45)));
    const float a = Single(dsWidth - 0.125);
    const float b = Single(dsDepth - 0.125);
    if (!details::Formable(a)) {
        return DetailInputError{details::kTooSmallMessage, "DsWidth"};
    }
    if (!details::Formable(b)) {
        return DetailInputError{details::kTooSmallMessage, "DsDepth"};
    }
    const float c = b + h;
    const float d = Single(guWidth + 0.125);
    const float e = hs + guDepth + 2;
    const float f = (d + c) * 2;
    const std::string blankSize = FormatFtInGlyph(e) + " x " + FormatFtInGlyph(f);
    const std::string chNumber = details::TypedText(input.chNumber);
    const std::string valleyGutterNo = details::TypedText(input.valleyGutterNo);

    std::vector<std::string> values;
    const auto length = [&](float x) { values.push_back(FormatFtInGlyph(x)); };
    const auto text = [&](const std::string& t) { values.push_back(t); };
    length(f);
    length(c);
    length(d);
    length(c);
    length(d);
    if (centred) {
        length(e);
        length(guDepth - 1);
        length(hs);
        length(guDepth - 2);
        text(hText);
        length(b);
        text(hText);
        text(hText);
        length(a);
        text(hText);
        text(hText);
        length(b);
        text(hText);
        length(a);
        text(hText);
    } else {
        length(h + guDepth + 2);
        length(guDepth - 1);
        text(hText);
        length(hs);
        length(hs);
        length(guDepth - 2);
        text(hText);
        length(e);
        length(b);
        text(hText);
        length(a);
        text(hText);
        text(hText);
        length(b);
        text(hText);
        length(a);
    }
    text(chNumber);
    text(blankSize);
    text(valleyGutterNo);

    const std::string block = BlockName(input.offset);
    return DetailPages{{MakeDetailPage(block, Description(input.offset), {{block, values}})},
                       false};
}

} // namespace waybill

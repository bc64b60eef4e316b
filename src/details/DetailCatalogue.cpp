#include "details/DetailCatalogue.h"

#include "details/CapTrim.h"
#include "details/CondHead.h"
#include "details/DownSpout.h"
#include "details/EndDam.h"
#include "details/Gutter.h"
#include "details/RidgeCap.h"
#include "units/Lengths.h"
#include "units/Text.h"

#include <algorithm>
#include <array>

namespace waybill {
namespace {

using Kind = DetailFieldKind;

template <GutterKind kind> DetailResult Gutter(const DetailInputs& in) {
    return MakeGutter({kind, in.Text("Width"), in.Text("Depth"), in.Text("RoofSlope"),
                       static_cast<GutterPanel>(in.Choice("PanelType") + 1), in.Text("SFNumber")});
}

DetailResult DownSpout(const DetailInputs& in) {
    return MakeDownSpout({in.Text("Width"), in.Text("Depth"), in.Text("Length"),
                          in.Text("SFNumber"), in.Text("StrapSFNumber"), in.Choice("AddStrap") == 1,
                          static_cast<KickoutStyle>(in.Choice("KickoutStyle"))});
}

DetailResult DSOffset(const DetailInputs& in) {
    return MakeDSOffset(
        {in.Text("Width"), in.Text("Depth"), in.Text("Offset"), in.Text("SFNumber")});
}

// The buttons stand Right, None, Left, as the outlet lies seen from the front.
constexpr std::array kOffsetButtons = {CondHeadOffset::Right, CondHeadOffset::None,
                                       CondHeadOffset::Left};

DetailResult CondHead(const DetailInputs& in) {
    return MakeCondHead({in.Text("GuWidth"), in.Text("GuDepth"), in.Text("DsWidth"),
                         in.Text("DsDepth"), in.Text("CHNumber"), in.Text("ValleyGutterNo"),
                         kOffsetButtons.at(in.Choice("Offset"))});
}

DetailResult CapTrim(const DetailInputs& in) {
    return MakeCapTrim({in.Text("Dim"), in.Text("CtSF"), in.Text("BcSF")});
}

DetailResult EndDam(const DetailInputs& in) {
    return MakeEndDam(
        {in.Text("AngleP2"), in.Text("EdNo"), static_cast<EndDamPanel>(in.Choice("Panel"))});
}

DetailResult PreventRidgeCap(const DetailInputs& in) {
    return MakePreventRidgeCap(
        {in.Text("RoofSlope"), in.Text("LegLength"), in.Text("RcSFNo"), in.Text("EcSFNo")});
}

DetailResult SSeamRidgeCap(const DetailInputs& in) {
    return MakeSSeamRidgeCap({in.Text("RoofSlope"), in.Text("PPToRidge"), in.Text("PanOHang"),
                              in.Text("RcSFNo"), in.Text("EcSFNo"),
                              static_cast<SeamPanel>(in.Choice("Panel")),
                              static_cast<ClipType>(in.Choice("Clip"))});
}

// The rows of the table below.
DetailField Box(std::string_view name, std::string_view label, Kind kind,
                std::string_view frame = {}) {
    return {name, label, kind, frame, {}, false};
}

constexpr bool Across = true;

DetailField Option(std::string_view name, std::string_view frame, std::vector<DetailChoice> choices,
                   bool across = false) {
    return {name, {}, Kind::Option, frame, std::move(choices), across};
}

DetailVariant Entry(std::string_view word, std::string_view menuName, std::string_view menuCaption,
                    std::string_view caption, std::string_view step, const DetailForm& form,
                    DetailResult (*make)(const DetailInputs&),
                    std::optional<DetailPreset> preset = std::nullopt) {
    return {word, menuName, menuCaption, caption, step, &form, make, preset, {}};
}

DetailVariant Greyed(DetailVariant variant, std::vector<std::string_view> fields) {
    variant.greyed = std::move(fields);
    return variant;
}

} // namespace

std::string DetailInputs::Text(std::string_view field) const {
    const auto it = texts.find(field);
    return it == texts.end() ? std::string() : it->second;
}

int DetailInputs::Choice(std::string_view field) const {
    const auto it = choices.find(field);
    return it == choices.end() ? 0 : it->second;
}

std::vector<const DetailField*> DetailVariant::TypedFields() const {
    std::vector<const DetailField*> fields;
    for (const DetailField& field : form->fields) {
        if (!preset || field.name != preset->field) {
            fields.push_back(&field);
        }
    }
    return fields;
}

DetailInputs DetailVariant::Preset() const {
    DetailInputs inputs;
    if (preset) {
        inputs.choices.emplace(preset->field, preset->choice);
    }
    return inputs;
}

bool DetailVariant::Greyed(std::string_view field) const {
    return std::find(greyed.begin(), greyed.end(), field) != greyed.end();
}

const std::vector<DetailGenerator>& DetailCatalogue() {
    // Function-local, so the table is whole whenever it is first asked for.
    static const DetailForm gutter{
        "dlgGutter",
        {Box("Width", "Width", Kind::Number, "Gutter Dimensions (inches)"),
         Box("Depth", "Depth", Kind::Number, "Gutter Dimensions (inches)"),
         Box("RoofSlope", "Roof Slope", Kind::Number), Box("SFNumber", "SF Number", Kind::Text),
         Option("PanelType", "Panel Type",
                {{"optApexSpan", "Apex Span"},
                 {"optApexSeam24R", "Apex Seam-24R"},
                 {"optStormGrip", "StormGrip"}})}};
    static const DetailForm downSpout{
        "dlgDownSpout",
        {Box("Width", "Width (Inches)", Kind::Number), Box("Depth", "Depth (Inches)", Kind::Number),
         Box("Length", "Length (ft.*hp)", Kind::FtDotted), Box("SFNumber", "SF Number", Kind::Text),
         Box("StrapSFNumber", "Strap SF Number", Kind::Text, "Downspout Strap Detail"),
         Box("AddStrap", "Add Strap Detail", Kind::Check, "Downspout Strap Detail"),
         Option("KickoutStyle", "Kickout Style",
                {{"optStandard", "Standard"}, {"optOldStyle", "Old Style"}})}};
    static const DetailForm dsOffset{"dlgDSOffset",
                                     {Box("Width", "Width (Inches)", Kind::Number),
                                      Box("Depth", "Depth (Inches)", Kind::Number),
                                      Box("Offset", "Offset (ft.*hp)", Kind::FtDotted),
                                      Box("SFNumber", "SF Number", Kind::Text)}};
    static const DetailForm condHead{
        "dlgCondHead",
        {Box("GuWidth", "Gutter Width", Kind::Number, "Dimensions (in inches)"),
         Box("GuDepth", "Gutter Depth", Kind::Number, "Dimensions (in inches)"),
         Box("DsWidth", "Downspout Width", Kind::Number, "Dimensions (in inches)"),
         Box("DsDepth", "Downspout Depth", Kind::Number, "Dimensions (in inches)"),
         Box("CHNumber", "CH Number", Kind::Text),
         Box("ValleyGutterNo", "Valley Gutter Number", Kind::Text),
         Option("Offset", "Offset",
                {{"optRight", "Right"}, {"optNone", "None"}, {"optLeft", "Left"}}, Across)}};
    static const DetailForm capTrim{
        "dlgMansardCapTrim",
        {Box("Dim", "Dim. (in inches)", Kind::Number, "Out/Out of Mansard Face"),
         Box("CtSF", "Cap Trim - SF", Kind::Text), Box("BcSF", "Backing Clip - SF", Kind::Text)}};
    static const DetailForm endDam{
        "dlgEndDam",
        {Box("AngleP2", "Angle \"P2\" (in decimal degrees)", Kind::Number),
         Box("EdNo", "ED Number", Kind::Text),
         Option(
             "Panel", "",
             {{"optApexSeam24R", "Apex Seam-24R"}, {"optApexSeamIIPlus", "Apex Seam-II/Plus"}})}};
    static const DetailForm preventRidgeCap{
        "dlgPreventRidgeCap",
        {Box("RoofSlope", "Roof Slope", Kind::Number),
         Box("LegLength", "Ridge Cap Leg Length *hp", Kind::FtDotted),
         Box("RcSFNo", "Ridge Cap SF No.", Kind::Text),
         Box("EcSFNo", "End Cap SF No.", Kind::Text)}};
    static const DetailForm sSeamRidgeCap{
        "dlgSSeamRidgeCap",
        {Box("RoofSlope", "Roof Slope", Kind::Number),
         Box("PPToRidge", "Distance from Peak Purlin to Ridge (*hp)", Kind::FtDotted),
         Box("PanOHang", "Panel Overhang Past Peak Purlin (*hp)", Kind::FtDotted),
         Box("RcSFNo", "Ridge Cap SF No.", Kind::Text), Box("EcSFNo", "End Cap SF No.", Kind::Text),
         Option("Panel", "Panel Type",
                {{"optStormGrip16", "Storm Grip-16"}, {"optApexSeam24R", "Apex Seam-24R"}}, Across),
         Option("Clip", "Clip Type:", {{"optLow", "Low"}, {"optHigh", "High"}}, Across)}};

    // Entry: word, menu name and caption, dialog caption, undo step, form, make, preset.
    static const std::vector<DetailGenerator> catalogue = {
        {"gutter",
         "mnuAutoPgGut",
         "&Gutter",
         {Entry("oversize", "mnuAutoPgGutOversize", "&Oversized", "Oversized Gutter Detail",
                "Oversized Gutter Detail", gutter, Gutter<GutterKind::Oversize>),
          // The standard gutter's dimensions are fixed.
          Greyed(Entry("standard", "mnuAutoPgGutStandard", "&Standard", "Standard Gutter Detail",
                       "Standard Gutter Detail", gutter, Gutter<GutterKind::Standard>),
                 {"Width", "Depth"}),
          Entry("severeice", "mnuAutoPgGutSevIcing", "For &Severe Icing",
                "Gutter Detail for Severe Icing", "Gutter Detail for Severe Icing", gutter,
                Gutter<GutterKind::SevereIce>)}},
        {"downspout",
         "mnuOversizeDS",
         "&Oversize Downspout",
         {Entry("standard", "mnuOversizeStdKO", "w/ &Standard Kickout", "Downspout Detail",
                "Downspout Detail", downSpout, DownSpout, DetailPreset{"KickoutStyle", 0}),
          Entry("oldstyle", "mnuOversizeOldKO", "w/ &Old Style Kickout", "Downspout Detail",
                "Downspout Detail", downSpout, DownSpout, DetailPreset{"KickoutStyle", 1})}},
        {"ds-offset",
         "",
         "",
         {Entry("", "mnuDSOffset", "&Downspout Offset", "Downspout Offset",
                "Downspout Offset Detail", dsOffset, DSOffset)}},
        {"cond-head",
         "mnuCondHead",
         "&Conductor Head",
         {Entry("none", "mnuCondHeadNormal", "&Normal", "Conductor Head Detail",
                "Conductor Head Detail", condHead, CondHead, DetailPreset{"Offset", 1}),
          Entry("left", "mnuCondHeadLeft", "&Left Offset", "Conductor Head Detail",
                "Conductor Head Detail", condHead, CondHead, DetailPreset{"Offset", 2}),
          Entry("right", "mnuCondHeadRight", "&Right Offset", "Conductor Head Detail",
                "Conductor Head Detail", condHead, CondHead, DetailPreset{"Offset", 0})}},
        {"cap-trim",
         "",
         "",
         {Entry("", "mnuMansardCapTrim", "&Mansard Cap Trim", "Mansard Cap Trim", "Cap Trim Detail",
                capTrim, CapTrim)}},
        {"end-dam",
         "mnuEndDam",
         "End Dam",
         {Entry("AS24R", "mnuEndDamAS24R", "AS-24R", "End Dam Detail", "End Dam Detail", endDam,
                EndDam, DetailPreset{"Panel", 0}),
          Entry("IIPlus", "mnuEndDamIIPlus", "II/Plus", "End Dam Detail", "End Dam Detail", endDam,
                EndDam, DetailPreset{"Panel", 1})}},
        {"ridge-cap",
         "mnuRidgeCap",
         "&Ridge Cap",
         {Entry("prevent", "mnuRidgeCapPrevent", "&Prevent", "Prevent Ridge Cap & End Cap",
                "Ridge Cap Detail", preventRidgeCap, PreventRidgeCap),
          Entry("sseam", "mnuRidgeCapSSeam", "&Standing Seam", "Apex Seam Ridge Cap & End Cap",
                "Ridge Cap Detail", sSeamRidgeCap, SSeamRidgeCap)}},
    };
    return catalogue;
}

std::string FtDottedReading(std::string_view typed) {
    if (TrimView(typed).empty()) {
        return {};
    }
    const auto read = ReadFtDottedBox(typed);
    if (const auto* inches = std::get_if<float>(&read)) {
        return "= " + FormatFtIn(*inches, false);
    }
    return std::get<LengthFault>(read) == LengthFault::TooLarge ? "too large" : "not a length";
}

} // namespace waybill

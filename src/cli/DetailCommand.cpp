#include "cli/Commands.h"
#include "cli/CommandSession.h"
#include "cli/CommandSupport.h"
#include "details/CapTrim.h"
#include "details/CondHead.h"
#include "details/DownSpout.h"
#include "details/EndDam.h"
#include "details/Gutter.h"
#include "details/RidgeCap.h"
#include "units/Text.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>

namespace waybill::cli {
namespace {

constexpr const char* kUsage =
    "usage: waybill-cli detail IN.fwb OUT.fwb GENERATOR [VARIANT] [Field=value ...]\n";

// The typed fields by lower-case name; a field left out reads as an empty box.
class Fields {
  public:
    std::map<std::string, std::string> values;

    std::string operator[](const char* field) const {
        const auto it = values.find(ToLower(field));
        return it == values.end() ? std::string() : it->second;
    }
    // The 0-based choice of an option field typed as 1, 2, ...; an option left out is the first.
    int Choice(const char* field) const {
        return std::max(0, std::atoi((*this)[field].c_str()) - 1);
    }
};

struct Generator {
    const char* name;
    std::vector<const char*> variants;
    std::vector<const char*> fields;
    // Option fields, typed as one digit from `lowest` to `highest`.
    struct Option {
        const char* field;
        char lowest;
        char highest;
    };
    std::vector<Option> options;
    std::function<DetailResult(int variant, const Fields&)> make;
};

const std::vector<Generator>& Generators() {
    static const std::vector<Generator> generators = {
        {"gutter",
         {"oversize", "standard", "severeice"},
         {"Width", "Depth", "RoofSlope", "PanelType", "SFNumber"},
         {{"PanelType", '1', '3'}},
         [](int variant, const Fields& f) {
             return MakeGutter({static_cast<GutterKind>(variant), f["Width"], f["Depth"],
                                f["RoofSlope"], static_cast<GutterPanel>(f.Choice("PanelType") + 1),
                                f["SFNumber"]});
         }},
        {"downspout",
         {"standard", "oldstyle"},
         {"Width", "Depth", "Length", "SFNumber", "StrapSFNumber", "AddStrap"},
         {{"AddStrap", '0', '1'}},
         [](int variant, const Fields& f) {
             return MakeDownSpout({f["Width"], f["Depth"], f["Length"], f["SFNumber"],
                                   f["StrapSFNumber"], f["AddStrap"] == "1",
                                   static_cast<KickoutStyle>(variant)});
         }},
        {"ds-offset",
         {},
         {"Width", "Depth", "Offset", "SFNumber"},
         {},
         [](int, const Fields& f) {
             return MakeDSOffset({f["Width"], f["Depth"], f["Offset"], f["SFNumber"]});
         }},
        {"cond-head",
         {"none", "left", "right"},
         {"GuWidth", "GuDepth", "DsWidth", "DsDepth", "CHNumber", "ValleyGutterNo"},
         {},
         [](int variant, const Fields& f) {
             return MakeCondHead({f["GuWidth"], f["GuDepth"], f["DsWidth"], f["DsDepth"],
                                  f["CHNumber"], f["ValleyGutterNo"],
                                  static_cast<CondHeadOffset>(variant)});
         }},
        {"cap-trim",
         {},
         {"Dim", "CtSF", "BcSF"},
         {},
         [](int, const Fields& f) {
             return MakeCapTrim({f["Dim"], f["CtSF"], f["BcSF"]});
         }},
        {"end-dam",
         {"AS24R", "IIPlus"},
         {"AngleP2", "EdNo"},
         {},
         [](int variant, const Fields& f) {
             return MakeEndDam({f["AngleP2"], f["EdNo"], static_cast<EndDamPanel>(variant)});
         }},
        {"ridge-cap",
         {"prevent", "sseam"},
         {"RoofSlope", "LegLength", "PPToRidge", "PanOHang", "RcSFNo", "EcSFNo", "Panel", "Clip"},
         {{"Panel", '1', '2'}, {"Clip", '1', '2'}},
         [](int variant, const Fields& f) {
             if (variant == 0) {
                 return MakePreventRidgeCap(
                     {f["RoofSlope"], f["LegLength"], f["RcSFNo"], f["EcSFNo"]});
             }
             return MakeSSeamRidgeCap({f["RoofSlope"], f["PPToRidge"], f["PanOHang"], f["RcSFNo"],
                                       f["EcSFNo"], static_cast<SeamPanel>(f.Choice("Panel")),
                                       static_cast<ClipType>(f.Choice("Clip"))});
         }},
    };
    return generators;
}

// The Prevent ridge cap has no distances, the standing seam one no leg length.
bool FieldBelongs(const Generator& generator, int variant, std::string_view field) {
    if (std::string_view(generator.name) != "ridge-cap") {
        return true;
    }
    const bool prevent = variant == 0;
    if (EqualsNoCase(field, "LegLength")) {
        return prevent;
    }
    for (const char* seamOnly : {"PPToRidge", "PanOHang", "Panel", "Clip"}) {
        if (EqualsNoCase(field, seamOnly)) {
            return !prevent;
        }
    }
    return true;
}

int Usage(std::ostream& err, const std::string& problem) {
    err << "waybill-cli detail: " << ShownArgument(problem) << "\n" << kUsage;
    return 2;
}

int IndexOf(const std::vector<const char*>& words, std::string_view word) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (EqualsNoCase(words[i], word)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

std::vector<GeneratorWords> DetailGeneratorWords() {
    std::vector<GeneratorWords> words;
    for (const Generator& generator : Generators()) {
        words.push_back({generator.name,
                         {generator.variants.begin(), generator.variants.end()},
                         {generator.fields.begin(), generator.fields.end()}});
    }
    return words;
}

int Detail(const std::vector<std::string>& arguments, std::ostream&, std::ostream& err) {
    const auto split = SplitArguments(arguments, {}, {}, err);
    if (!split) {
        return 2;
    }
    const std::vector<std::string>& args = split->positional;
    if (args.size() < 3) {
        return Usage(err, "IN, OUT and GENERATOR are needed");
    }
    const auto generator =
        std::find_if(Generators().begin(), Generators().end(),
                     [&](const Generator& g) { return EqualsNoCase(g.name, args[2]); });
    if (generator == Generators().end()) {
        return Usage(err, "unknown generator \"" + args[2] + "\"");
    }
    std::size_t next = 3;
    int variant = 0;
    if (!generator->variants.empty()) {
        variant = next < args.size() ? IndexOf(generator->variants, args[next]) : -1;
        if (variant < 0) {
            return Usage(err, std::string("unknown or missing variant for ") + generator->name);
        }
        ++next;
    }
    Fields fields;
    for (; next < args.size(); ++next) {
        const std::string& arg = args[next];
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (equals == std::string::npos || IndexOf(generator->fields, name) < 0 ||
            !FieldBelongs(*generator, variant, name)) {
            return Usage(err, "unknown field \"" + name + "\"");
        }
        fields.values[ToLower(name)] = arg.substr(equals + 1);
    }
    for (const Generator::Option& option : generator->options) {
        const std::string typed = fields[option.field];
        if (!typed.empty() &&
            (typed.size() != 1 || typed[0] < option.lowest || typed[0] > option.highest)) {
            return Usage(err, std::string(option.field) + " must be " + option.lowest + " to " +
                                  option.highest);
        }
    }

    auto read = ReadDocumentFor(args[0], err);
    if (!read) {
        return 1;
    }
    const DetailResult result = generator->make(variant, fields);
    if (const auto* error = std::get_if<DetailInputError>(&result)) {
        PrintMessage(err, error->message);
        return 1;
    }
    const DetailPages& pages = std::get<DetailPages>(result);
    if (pages.steepSlopeWarning) {
        PrintMessage(err, SteepSlopeWarning().text);
    }
    read->LastPage();
    CommandSession session(nullptr, std::move(*read), err);
    session->AddDetailPages(generator->name, pages.pages);
    return WriteDocumentFor(session->Waybill(), args[1], err) ? 0 : 1;
}

} // namespace waybill::cli

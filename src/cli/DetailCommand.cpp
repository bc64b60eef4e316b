// waybill-cli detail (Detail, DetailGeneratorWords, DetailDescription, cli/Commands.h).
#include "cli/Commands.h"
#include "cli/CommandSession.h"
#include "cli/CommandSupport.h"
#include "details/DetailCatalogue.h"
#include "units/Text.h"

#include <algorithm>
#include <map>

namespace waybill::cli {
namespace {

// Wrong usage, told in a text holding the converted arguments.
WrongUsage Wrong(const std::string& cp1252Problem) {
    return {ShownArgument(cp1252Problem)};
}

// Option buttons are typed as their number from 1, a check box as 0 or 1.
bool IsChoice(const DetailField& field) {
    return field.kind == DetailFieldKind::Option || field.kind == DetailFieldKind::Check;
}
char LowestDigit(const DetailField& field) {
    return field.kind == DetailFieldKind::Check ? '0' : '1';
}
char HighestDigit(const DetailField& field) {
    return field.kind == DetailFieldKind::Check
               ? '1'
               : static_cast<char>('0' + static_cast<int>(field.choices.size()));
}

std::string Joined(const std::vector<std::string>& words, const char* separator) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : separator) + word;
    }
    return text;
}

// A field as --help lists it: its name, and what an option's numbers mean.
std::string Described(const DetailField& field) {
    std::string text(field.name);
    if (field.kind == DetailFieldKind::Check) {
        text += " (1 ticks it)";
    } else if (field.kind == DetailFieldKind::Option) {
        std::vector<std::string> choices;
        for (std::size_t i = 0; i < field.choices.size(); ++i) {
            choices.push_back(std::to_string(i + 1) + " " + std::string(field.choices[i].caption));
        }
        text += " (" + Joined(choices, ", ") + ")";
    }
    return text;
}

// One list entry of --help per generator and dialog: "gutter oversize|standard\tWidth ...".
std::string GeneratorEntries() {
    std::string entries;
    for (const DetailGenerator& generator : DetailCatalogue()) {
        for (auto first = generator.variants.begin(); first != generator.variants.end();) {
            auto end = std::find_if(first, generator.variants.end(),
                                    [&](const DetailVariant& v) { return v.form != first->form; });
            std::vector<std::string> words;
            for (auto variant = first; variant != end; ++variant) {
                if (!variant->word.empty()) {
                    words.emplace_back(variant->word);
                }
            }
            std::vector<std::string> fields;
            for (const DetailField* field : first->TypedFields()) {
                fields.push_back(Described(*field));
            }
            entries += std::string(generator.word) + (words.empty() ? "" : " ") +
                       Joined(words, "|") + "\t" + Joined(fields, " ") + "\n\n";
            first = end;
        }
    }
    return entries;
}

// "A, B and C": the fields that take ft.iiss text.
std::string FtDottedFields() {
    std::vector<std::string> names;
    for (const DetailGenerator& generator : DetailCatalogue()) {
        for (const DetailVariant& variant : generator.variants) {
            for (const DetailField& field : variant.form->fields) {
                if (field.kind == DetailFieldKind::FtDotted &&
                    std::find(names.begin(), names.end(), field.name) == names.end()) {
                    names.emplace_back(field.name);
                }
            }
        }
    }
    const std::string last = names.back();
    names.pop_back();
    return Joined(names, ", ") + " and " + last;
}

// "Offset: " before an input error, naming the box the dialog would select again as the
// command line spells it; nothing for an error of no one box.
std::string FieldPrefix(const DetailVariant& variant, std::string_view field) {
    for (const DetailField& candidate : variant.form->fields) {
        if (candidate.name == field) {
            return std::string(candidate.name) + ": ";
        }
    }
    return {};
}

} // namespace

std::string_view DetailDescription() {
    static const std::string description =
        "Run a trim-detail generator as its dialog's OK would and add the new page(s) at the "
        "end of IN, then write OUT. GENERATOR, VARIANT and the fields:\n\n" +
        GeneratorEntries() +
        "Field names ignore case; a value is the text as typed into the box (" + FtDottedFields() +
        " in ft.iiss form, 10.0608 for 10'-6 1/2, or as a feet-inch length: 10'-6 1/2, 10' 6); a "
        "field left out is an empty box, an option left out is its first choice. An input error "
        "goes to stderr after its field's name (\"Dim: Invalid Number\") with status 1 and OUT "
        "is not written; the steep-slope warning goes to "
        "stderr and the page is made.";
    return description;
}

std::vector<GeneratorWords> DetailGeneratorWords() {
    std::vector<GeneratorWords> words;
    for (const DetailGenerator& generator : DetailCatalogue()) {
        GeneratorWords entry{generator.word, {}, {}};
        for (const DetailVariant& variant : generator.variants) {
            if (!variant.word.empty()) {
                entry.variants.push_back(variant.word);
            }
            for (const DetailField* field : variant.TypedFields()) {
                if (std::find(entry.fields.begin(), entry.fields.end(), field->name) ==
                    entry.fields.end()) {
                    entry.fields.push_back(field->name);
                }
            }
        }
        words.push_back(std::move(entry));
    }
    return words;
}

CommandStatus Detail(const CommandArguments& arguments, std::ostream&, std::ostream& err) {
    const std::vector<std::string>& args = arguments.positional;
    const std::vector<DetailGenerator>& catalogue = DetailCatalogue();
    const auto generator =
        std::find_if(catalogue.begin(), catalogue.end(),
                     [&](const DetailGenerator& g) { return EqualsNoCase(g.word, args[2]); });
    if (generator == catalogue.end()) {
        return Wrong("unknown generator \"" + args[2] + "\"");
    }
    std::size_t next = 3;
    auto variant = generator->variants.begin();
    if (!variant->word.empty()) {
        variant = std::find_if(generator->variants.begin(), generator->variants.end(),
                               [&](const DetailVariant& v) {
                                   return next < args.size() && EqualsNoCase(v.word, args[next]);
                               });
        if (variant == generator->variants.end()) {
            return Wrong("unknown or missing variant for " + std::string(generator->word));
        }
        ++next;
    }
    const std::vector<const DetailField*> fields = variant->TypedFields();
    std::map<const DetailField*, std::string> typed; // the last value of a field wins
    for (; next < args.size(); ++next) {
        const std::string& arg = args[next];
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const auto field = std::find_if(fields.begin(), fields.end(), [&](const DetailField* f) {
            return EqualsNoCase(f->name, name);
        });
        if (equals == std::string::npos || field == fields.end()) {
            return Wrong("unknown field \"" + name + "\"");
        }
        typed[*field] = arg.substr(equals + 1);
    }
    DetailInputs inputs = variant->Preset();
    for (const DetailField* field : fields) {
        const auto it = typed.find(field);
        if (it == typed.end()) {
            continue;
        }
        const std::string& value = it->second;
        if (!IsChoice(*field)) {
            inputs.texts[std::string(field->name)] = value;
        } else if (!value.empty()) {
            if (value.size() != 1 || value[0] < LowestDigit(*field) ||
                value[0] > HighestDigit(*field)) {
                return Wrong(std::string(field->name) + " must be " + LowestDigit(*field) + " to " +
                             HighestDigit(*field));
            }
            inputs.choices[std::string(field->name)] = value[0] - LowestDigit(*field);
        }
    }

    auto read = ReadDocumentFor(args[0], err);
    if (!read) {
        return 1;
    }
    const DetailResult result = variant->make(inputs);
    if (const auto* error = std::get_if<DetailInputError>(&result)) {
        PrintMessage(err, FieldPrefix(*variant, error->field) + error->message);
        return 1;
    }
    const DetailPages& pages = std::get<DetailPages>(result);
    if (pages.steepSlopeWarning) {
        PrintMessage(err, SteepSlopeWarning().text);
    }
    read->LastPage();
    CommandSession session({nullptr, std::move(*read)}, err);
    session->AddDetailPages(variant->step, pages.pages);
    return WriteOutput(session->Waybill(), arguments, err);
}

} // namespace waybill::cli

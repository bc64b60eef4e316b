#include "tensile/PatternsFile.h"

#include "units/Lengths.h"
#include "units/Text.h"

#include <bit>
#include <cstdint>
#include <map>
#include <optional>

namespace waybill {
namespace {

constexpr float kHoleStart = 97;
constexpr float kHoleEnd = 98;

void PutU16(std::string& record, std::size_t offset, std::uint16_t value) {
    record[offset] = static_cast<char>(value & 0xFF);
    record[offset + 1] = static_cast<char>(value >> 8);
}

void PutFloat(std::string& record, std::size_t offset, float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    for (std::size_t k = 0; k < 4; ++k) {
        record[offset + k] = static_cast<char>((bits >> (8 * k)) & 0xFF);
    }
}

// One section of hole pairs being filled.
class Section {
  public:
    Section(std::string& record, std::size_t countOffset, std::size_t codeOffset,
            std::size_t posOffset)
        : record_(record), countOffset_(countOffset), codeOffset_(codeOffset),
          posOffset_(posOffset) {}

    bool Full() const { return used_ + 2 > kSectionEntries; }

    void AddHole(float position) {
        for (float code : {kHoleStart, kHoleEnd}) {
            PutFloat(record_, codeOffset_ + 4 * used_, code);
            PutFloat(record_, posOffset_ + 4 * used_, position);
            ++used_;
        }
        PutFloat(record_, countOffset_, static_cast<float>(used_));
    }

  private:
    std::string& record_;
    std::size_t countOffset_, codeOffset_, posOffset_;
    std::size_t used_ = 0;
};

// A part mark or a name quoted in a message, as plain text.
std::string Quoted(std::string_view text) {
    return "\"" + GlyphsToText(text) + "\"";
}

// Adds the holes of the template named by the punch code to the section; otherwise the reason
// it cannot be used.
std::optional<std::string> AddTemplateHoles(Section& section, const PunchTemplates& templates,
                                            const PunchMember& member, const std::string& code,
                                            const char* end) {
    auto holes = ExpandTemplate(templates, ToLower(code) + end, kSectionEntries / 2);
    if (auto* why = std::get_if<std::string>(&holes)) {
        return std::move(*why);
    }
    for (const TemplateHole& hole : std::get<std::vector<TemplateHole>>(holes)) {
        if (hole.position > member.length) {
            // The machine would punch past the end of the piece.
            return hole.source + " has a hole position beyond the end of member " +
                   GlyphsToText(member.pieceMark) + " (" + FormatFtIn(member.length, false) +
                   " long): " + hole.line;
        }
        section.AddHole(hole.position);
    }
    return std::nullopt;
}

} // namespace

std::string PatternName(std::string_view jobNumber, std::string_view pieceMark) {
    std::string name = ToUpper(jobNumber) + std::string(pieceMark) + '\0';
    name.resize(kPatternNameSize, ' ');
    return name;
}

std::string PatternKey(std::string_view nameField) {
    std::size_t end = nameField.size();
    while (end > 0 && (nameField[end - 1] == ' ' || nameField[end - 1] == '\0')) {
        --end;
    }
    return std::string(nameField.substr(0, end));
}

std::variant<PatternsUpdate, std::string> UpdatePatternsFile(std::string_view oldFile,
                                                             const PunchExportList& list,
                                                             const PunchTemplates& templates) {
    if (oldFile.size() % kPatternRecordSize != 0) {
        // Most likely another file was configured; writing into it would destroy it.
        return "The file is not a special patterns file: its size is not a whole number of " +
               std::to_string(kPatternRecordSize) + "-byte records.";
    }
    PatternsUpdate update;
    update.file = oldFile;
    std::map<std::string, std::size_t> index; // upper-case key -> record number from 0
    for (std::size_t r = 0; r * kPatternRecordSize < oldFile.size(); ++r) {
        const auto key =
            ToUpper(PatternKey(oldFile.substr(r * kPatternRecordSize, kPatternNameSize)));
        index.try_emplace(key, r);
    }

    std::map<std::string, std::string> written; // key -> piece mark, in this export
    for (const PunchMember& member : list.members) {
        std::string record(kPatternRecordSize, '\0');
        const std::string name = PatternName(list.jobNumber, member.pieceMark);
        const std::string key = PatternKey(name);
        record.replace(kNameOffset, kPatternNameSize, name);
        PutFloat(record, kLengthOffset, member.length);
        PutU16(record, kQuantityOffset, static_cast<std::uint16_t>(member.quantity));

        Section lead(record, kLeadCountOffset, kLeadCodeOffset, kLeadPosOffset);
        if (!EqualsNoCase(member.leadCode, "NP")) {
            if (auto why =
                    AddTemplateHoles(lead, templates, member, member.leadCode, "-lead-opt")) {
                return std::move(*why);
            }
        }
        bool tooLarge = false;
        for (float dimension : member.aDims) {
            if (lead.Full()) {
                tooLarge = true;
                break;
            }
            lead.AddHole(dimension);
        }
        if (tooLarge) {
            update.tooManyLeadPunches.push_back(key);
            continue;
        }
        Section tail(record, kTailCountOffset, kTailCodeOffset, kTailPosOffset);
        if (!EqualsNoCase(member.trailCode, "NP")) {
            if (auto why =
                    AddTemplateHoles(tail, templates, member, member.trailCode, "-tail-opt")) {
                return std::move(*why);
            }
        }

        const std::string upperKey = ToUpper(key);
        if (const auto [seen, added] = written.try_emplace(upperKey, member.pieceMark); !added) {
            // The Name is cut at 24 characters: the machine could not tell the two apart.
            return "Part marks " + Quoted(seen->second) + " and " + Quoted(member.pieceMark) +
                   " give the same name " + Quoted(key) + " in the special patterns file.";
        }
        if (const auto found = index.find(upperKey); found != index.end()) {
            update.file.replace(found->second * kPatternRecordSize, kPatternRecordSize, record);
            ++update.updated;
        } else {
            index.emplace(upperKey, update.file.size() / kPatternRecordSize);
            update.file += record;
            ++update.appended;
        }
    }
    return update;
}

} // namespace waybill

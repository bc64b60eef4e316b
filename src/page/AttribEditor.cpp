#include "page/AttribEditor.h"

#include "page/CellRules.h"
#include "units/Parsers.h"
#include "units/Text.h"

namespace waybill {

AttribEditState::AttribEditState(const AttribValueList& values, BlockAttribDefs& defs) {
    for (const auto& entry : values.Entries()) {
        blocks_.push_back(entry.block);
        valueTexts_.push_back(entry.valueLine);
        openedWith_.push_back(entry.valueLine);
        definitions_.push_back(defs.Find(entry.block));
    }
    if (!blocks_.empty()) {
        ChooseBlock(0);
    }
}

void AttribEditState::ChooseBlock(int index) {
    if (index == current_ || index < 0 || static_cast<std::size_t>(index) >= blocks_.size()) {
        return;
    }
    if (current_ >= 0) {
        GetAttribs();
    }
    ShowAttribs(index);
}

void AttribEditState::ShowAttribs(int index) {
    const auto i = static_cast<std::size_t>(index);
    const std::vector<std::string> values = SplitPipeList(valueTexts_.at(i));
    rows_.clear();
    if (const AttribDefList* defs = definitions_[i]) {
        for (std::size_t k = 0; k < defs->size(); ++k) {
            rows_.push_back({(*defs)[k].Prompt, k < values.size() ? values[k] : std::string{}});
        }
    }
    current_ = index;
}

void AttribEditState::GetAttribs() {
    if (current_ < 0) {
        return;
    }
    const auto i = static_cast<std::size_t>(current_);
    if (definitions_[i] == nullptr) {
        return;
    }
    std::string text = "|";
    for (const auto& row : rows_) {
        text += row.value;
        text += '|';
    }
    valueTexts_[i] = std::move(text);
}

void AttribEditState::SetValue(std::size_t row, std::string_view value) {
    rows_.at(row).value = PipeListValue(value);
}

PageChanges AttribEditState::Ok() {
    GetAttribs();
    PageChanges changes;
    for (std::size_t k = 0; k < blocks_.size(); ++k) {
        if (valueTexts_[k] == openedWith_[k]) {
            continue;
        }
        std::size_t occurrence = 0;
        for (std::size_t j = 0; j < k; ++j) {
            if (EqualsNoCase(blocks_[j], blocks_[k])) {
                ++occurrence;
            }
        }
        changes.attributes.push_back({blocks_[k], occurrence, valueTexts_[k]});
    }
    return changes;
}

} // namespace waybill

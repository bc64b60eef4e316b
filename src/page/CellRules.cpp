#include "page/CellRules.h"

#include "model/StandardColumns.h"
#include "units/Parsers.h"
#include "units/Text.h"

#include <algorithm>
#include <array>

namespace waybill {
namespace {

bool IsAnyOf(int value, std::initializer_list<int> values) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

// Columns with one of these prefixes follow the page-kind rules; the rest are typed into
// freely (except on cable pages, where every column follows them).
bool RuledPrefix(std::string_view prefix) {
    static constexpr std::array<std::string_view, 6> kRuled = {"part", "mark", "desc",
                                                               "comp", "lp",   "tp"};
    return std::find(kRuled.begin(), kRuled.end(), prefix) != kRuled.end();
}

UserMessage Note(std::string text) {
    return {std::move(text), "Note", MessageIcon::None};
}

CellDecision Edit() {
    return {};
}
CellDecision Nothing() {
    return {CellAction::Nothing, std::nullopt, std::nullopt, -1};
}
CellDecision Refuse() {
    return {CellAction::Refuse, CellRefusedMessage(), std::nullopt, -1};
}
CellDecision FinishOnly() {
    return {CellAction::FinishMessage, FinishBoxOnlyMessage(), std::nullopt, -1};
}
CellDecision HandOver(CellHandOver kind) {
    return {CellAction::HandOver, std::nullopt, kind, -1};
}
CellDecision ToShipLength(UserMessage message) {
    return {CellAction::Redirect, std::move(message), std::nullopt, CableColumn::kShipLength};
}

CellDecision CableRule(const CellRequest& r) {
    if (r.column == CableColumn::kCutLength || r.column == CableColumn::kPartNumber) {
        return ToShipLength(ShipLengthOnlyMessage());
    }
    if (r.column == CableColumn::kDiameter || r.column == CableColumn::kEyeBolt) {
        return Refuse();
    }
    if (r.column == CableColumn::kFinishWord) {
        return TrimView(r.shipLengthText).empty() ? ToShipLength(ShipLengthFirstMessage())
                                                  : HandOver(CellHandOver::CableFinishWords);
    }
    return Edit();
}

CellDecision TensileRule(PageKind kind, const CellRequest& r) {
    if (r.column == TensileColumn::kPartNumber) {
        return FinishOnly();
    }
    if (r.column != TensileColumn::kDescription) {
        return Edit();
    }
    if (kind == PageKind::Girts) {
        return (r.row >= 3 && r.row <= 13) || (r.row >= 16 && r.row <= 25) ? Edit() : Refuse();
    }
    if (r.row == 1) {
        return kind == PageKind::EaveStrutList ? Refuse() : HandOver(CellHandOver::PunchPattern);
    }
    return r.row == 2 ? Refuse() : Edit();
}

} // namespace

std::string ColumnHeaderPrefix(std::string_view header) {
    return ToLower(header.substr(0, 4));
}

CellRequest CellRequestAt(const GridView& grid, int row, int column) {
    static const std::string kNone;
    const int shipLength = CableColumn::kShipLength;
    return {row, column, grid.Cell(0, column),
            grid.Columns() > shipLength ? grid.Cell(row, shipLength) : kNone};
}

CellDecision DecideCellEdit(std::string_view cadBase, const CellRequest& r) {
    const PageKind kind = PageKindOf(cadBase);
    if (kind != PageKind::Cable && !RuledPrefix(ColumnHeaderPrefix(r.header))) {
        return Edit();
    }
    if (IsSteel(kind)) {
        return r.column == SteelColumn::kMemberType ? HandOver(CellHandOver::MemberTypes) : Edit();
    }
    if (kind == PageKind::Cable) {
        return CableRule(r);
    }
    if (IsClip(kind) && (r.column == ClipColumn::kMark || r.column == ClipColumn::kPartNumber)) {
        return HandOver(CellHandOver::ClipCell);
    }
    if (kind == PageKind::Clip1) {
        if (r.column == ClipColumn::kSpecial) {
            return IsAnyOf(r.row, {9, 16, 17, 20, 22, 25}) ? Edit() : Refuse();
        }
        return Nothing();
    }
    if (kind == PageKind::Clip2) {
        return Refuse();
    }
    if (IsTensileList(kind)) {
        return TensileRule(kind, r);
    }
    if (kind == PageKind::Sheet) {
        return r.column == SheetColumn::kPartNumber ? FinishOnly() : Edit();
    }
    if (IsMemberPage(kind)) {
        if (r.column == MemberColumn::kLeadPunch || r.column == MemberColumn::kTrailPunch) {
            return HandOver(CellHandOver::PunchCodes);
        }
        return r.column == MemberColumn::kPartNumber ? Refuse() : Edit();
    }
    return Edit();
}

UserMessage ShipLengthOnlyMessage() {
    return Note("You can only change this column by changing the\r\n"
                "shipping length under the SHIP. LEN. column.");
}

UserMessage ShipLengthFirstMessage() {
    return Note("You must enter in the shipping length for this item first.");
}

UserMessage CellRefusedMessage() {
    return Note("This cell may not be modified.");
}

UserMessage FinishBoxOnlyMessage() {
    return Note("You can only change the finish in this waybill\r\n"
                "using the Finish text box.");
}

UserMessage InvalidLengthMessage(std::string_view shortest) {
    std::string text = "Invalid length.";
    if (!shortest.empty()) {
        text += "  The length must be at least " + std::string(shortest) + ".";
    }
    return Note(std::move(text));
}

bool CellTextChanged(std::string_view cellText, std::string_view boxText) {
    return !EqualsNoCase(cellText, boxText);
}

std::string JoinClipText(const std::vector<std::vector<std::string>>& rows) {
    std::string clip;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0) {
            clip += '\r';
        }
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (c > 0) {
                clip += '\t';
            }
            clip += rows[r][c];
        }
    }
    return clip;
}

namespace {

// Lines end at CR, LF or CR LF: the clipboard's text may come from any program. The line end
// after the last line that spreadsheets add is not an extra empty line.
std::vector<std::string_view> ClipLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

std::vector<std::string_view> ClipFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string_view::npos;
         tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

} // namespace

PastePlan PlanPaste(std::string_view clipText, int row, int column, int lastRow, int lastColumn) {
    PastePlan plan;
    plan.top = row;
    plan.left = column;
    plan.bottom = row - 1;
    plan.right = column - 1;
    const auto lines = ClipLines(clipText);
    if (lines.empty() || row > lastRow || column > lastColumn) {
        return plan;
    }
    const int fieldCount = static_cast<int>(ClipFields(lines.front()).size());
    plan.bottom = std::min(lastRow, row + static_cast<int>(lines.size()) - 1);
    plan.right = std::min(lastColumn, column + fieldCount - 1);
    for (int r = row; r <= plan.bottom; ++r) {
        const auto fields = ClipFields(lines[static_cast<std::size_t>(r - row)]);
        const int last = std::min(plan.right, column + static_cast<int>(fields.size()) - 1);
        for (int c = column; c <= last; ++c) {
            plan.cells.push_back(
                {r, c, PipeListValue(fields[static_cast<std::size_t>(c - column)])});
        }
    }
    return plan;
}

} // namespace waybill

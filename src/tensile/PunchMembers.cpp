#include "tensile/PunchMembers.h"

#include "model/PageKind.h"
#include "model/StandardColumns.h"
#include "page/PageReader.h"
#include "units/Lengths.h"
#include "units/NumberText.h"
#include "units/Parsers.h"
#include "units/Text.h"

#include <set>

namespace waybill {
namespace {

UserMessage ErrorMessage(std::string text) {
    return {std::move(text), "Error", MessageIcon::Exclamation};
}

std::string Field(const std::vector<std::string>& values, int column) {
    return static_cast<std::size_t>(column) < values.size()
               ? Trim(values[static_cast<std::size_t>(column)])
               : std::string{};
}

// The member editor writes the depth into value 0 and "... x 14GA" into value 4; either
// reading 0 means the block still has its defaults.
bool IsConfigured(const std::string& valueLine) {
    const auto values = SplitPipeList(valueLine);
    const std::string depth = values.empty() ? std::string{} : values[0];
    const std::string size = values.size() > 4 ? values[4] : std::string{};
    const std::size_t x = size.rfind('x');
    const std::size_t gaugeStart = x == std::string::npos ? 1 : x + 2;
    const std::string gauge = gaugeStart < size.size() ? size.substr(gaugeStart) : std::string{};
    return LeadingNumber(depth).value_or(0) != 0 && LeadingNumber(gauge).value_or(0) != 0;
}

class Collector {
  public:
    explicit Collector(PunchSelection selection) : selection_(selection) {}

    std::optional<ExportFailure> Page(const waybill::Page& page, int pageNumber) {
        pageNumber_ = pageNumber;
        for (const PageItem& item : ReadPageItems(page.PageData)) {
            if (item.keyword == PageKeyword::AttribBlock && item.value &&
                item.value->find('|') != std::string::npos && !IsConfigured(*item.value)) {
                return ExportFailure{
                    ErrorMessage("You must configure member attributes.  Double-click\r"
                                 "the drawing block or click the Edit Attributes button."),
                    pageNumber};
            }
            if (item.keyword == PageKeyword::Grid) {
                const GridRows rows(page.PageData, item);
                for (int row = 1; row <= rows.Count(); ++row) {
                    if (auto failure = Row(rows.Values(row), row)) {
                        return failure;
                    }
                }
            }
        }
        return std::nullopt;
    }

    PunchExportList list;

  private:
    ExportFailure CellFailure(std::string text, int row, int column) const {
        return {ErrorMessage(std::move(text)), pageNumber_, ExportFocus::Cell, row, column};
    }

    std::optional<ExportFailure> Row(const std::vector<std::string>& values, int row) {
        PunchMember member;
        member.pieceMark = Field(values, MemberColumn::kMark);
        const std::string quantity = Field(values, MemberColumn::kQuantity);
        const std::string lengthText = Field(values, MemberColumn::kLength);
        member.leadCode = Field(values, MemberColumn::kLeadPunch);
        member.trailCode = Field(values, MemberColumn::kTrailPunch);
        if (member.pieceMark.empty() && quantity.empty() && lengthText.empty() &&
            member.leadCode.empty() && member.trailCode.empty()) {
            return std::nullopt;
        }

        if (member.pieceMark.empty()) {
            return CellFailure("Member Requires a part mark.", row, MemberColumn::kMark);
        }
        const double count = NumericValue(quantity).value_or(0);
        if (count < 1) {
            return CellFailure("Invalid number. Qty must be at least 1.", row,
                               MemberColumn::kQuantity);
        }
        const auto rounded = RoundToInt16(count);
        if (!rounded) {
            // The patterns record holds a 16-bit quantity.
            return CellFailure("Invalid number. Qty must be at most 32767.", row,
                               MemberColumn::kQuantity);
        }
        member.quantity = *rounded;
        if (member.leadCode.empty()) {
            return CellFailure("Member missing leading punch code. Select NP for no punch", row,
                               MemberColumn::kLeadPunch);
        }
        if (member.trailCode.empty()) {
            return CellFailure("Member missing trailing punch code. Select NP for no punch", row,
                               MemberColumn::kTrailPunch);
        }
        if (!marks_.insert(ToUpper(member.pieceMark)).second) {
            return CellFailure("Part mark already exists.", row, MemberColumn::kMark);
        }
        const double length = ParseFtIn(lengthText);
        if (!(length > 0) ||
            length < PunchAllowance(member.leadCode) + PunchAllowance(member.trailCode)) {
            return CellFailure("The length of the member does not meet the\r"
                               "minimum length requirements for the punches selected.",
                               row, MemberColumn::kLength);
        }
        member.length = static_cast<float>(length);
        for (int column = MemberColumn::kFirstADim; column <= MemberColumn::kLastADim; ++column) {
            const std::string text = Field(values, column);
            if (text.empty()) {
                continue;
            }
            const double dimension = ParseFtIn(text);
            if (!(dimension > 0) || dimension >= length) {
                return CellFailure("Invalid \"A\" Dim value.", row, column);
            }
            member.aDims.push_back(static_cast<float>(dimension));
        }

        if (selection_ == PunchSelection::All || !member.aDims.empty() ||
            !EqualsNoCase(member.leadCode, member.trailCode)) {
            list.members.push_back(std::move(member));
        }
        return std::nullopt;
    }

    const PunchSelection selection_;
    std::set<std::string> marks_; // upper case: marks are unique without regard to case
    int pageNumber_ = 0;
};

} // namespace

double PunchAllowance(std::string_view code) {
    static constexpr std::pair<std::string_view, double> kAllowances[] = {
        {"A", 2.75}, {"B", 18.75}, {"C", 54.75}, {"E", 78.75}, {"F", 134.75}};
    for (const auto& [name, allowance] : kAllowances) {
        if (EqualsNoCase(code, name)) {
            return allowance;
        }
    }
    return 0;
}

std::variant<PunchExportList, ExportFailure> CollectPunchMembers(const Book& book,
                                                                 PunchSelection selection) {
    Collector collector(selection);
    collector.list.jobNumber = Trim(book.JobNumber);
    for (int pageNumber = 1; pageNumber <= book.PageCount(); ++pageNumber) {
        const Page& page = book.GetPage(pageNumber);
        if (!IsZeeOrCee(PageKindOf(CadBase(page.CadNumber)))) {
            continue;
        }
        if (auto failure = collector.Page(page, pageNumber)) {
            return std::move(*failure);
        }
    }
    return std::move(collector.list);
}

} // namespace waybill

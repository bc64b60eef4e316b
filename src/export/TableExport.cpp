#include "export/TableExport.h"

#include "model/PageKind.h"
#include "model/StandardColumns.h"
#include "page/GridSetup.h"
#include "page/PageData.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1252.h"
#include "units/DecimalText.h"
#include "units/Lengths.h"
#include "units/NumberText.h"
#include "units/Text.h"
#include "units/Wildcard.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace waybill {
namespace {

constexpr char kInchMark = '"';

// 1-based column positions of the roles the export reads; 0 when the grid has none.
struct Positions {
    int part = 0;
    int quantity = 0;
    int length = 0;
    int punch = 0;
    int componentId = 0;
    int description = 0;
    int slope = 0;

    bool Exportable() const { return quantity > 0 && componentId > 0 && part > 0; }
};

Positions ReadPositions(const TableRows& columns) {
    Positions positions;
    for (std::size_t row = 0; row < columns.RowCount(); ++row) {
        const std::int64_t index = columns.Integer(row, "ColumnIDX");
        const int position =
            index < 1 ? 0 : static_cast<int>(std::min<std::int64_t>(index, 100000));
        const auto role = ColumnRoleOfLabel(columns.Text(row, "Label"));
        if (!role) {
            continue;
        }
        switch (*role) {
        case ColumnRole::PartMark:
        case ColumnRole::PartNumber:
            positions.part = position;
            break;
        case ColumnRole::Quantity:
            positions.quantity = position;
            break;
        case ColumnRole::Length:
            positions.length = position;
            break;
        case ColumnRole::Punch:
            positions.punch = position;
            break;
        case ColumnRole::ComponentId:
            positions.componentId = position;
            break;
        case ColumnRole::Description:
            positions.description = position;
            break;
        case ColumnRole::Slope:
            positions.slope = position;
            break;
        }
    }
    return positions;
}

const std::string* ValueAt(const std::vector<std::string>& values, int position) {
    if (position < 1 || static_cast<std::size_t>(position) > values.size()) {
        return nullptr;
    }
    return &values[static_cast<std::size_t>(position - 1)];
}

std::string ValueOrEmpty(const std::vector<std::string>& values, int position) {
    const std::string* value = ValueAt(values, position);
    return value != nullptr ? *value : std::string{};
}

// The punch named in the first row's description on an "ext" grid ("... (punch=A)").
std::string ExtensionPunch(const std::string& text) {
    if (!MatchesPattern(text, "*punch*=*")) {
        return "NP";
    }
    const std::size_t equals = text.rfind('=');
    const std::size_t close = text.rfind(')');
    const std::size_t end = close != std::string::npos && close > equals ? close : text.size();
    const std::string p = Trim(std::string_view(text).substr(equals + 1, end - equals - 1));
    if (p.size() == 1 && p[0] >= 'A' && p[0] <= 'F') {
        return "PUNCH " + p;
    }
    if (EqualsNoCase(p, "NO PUNCH")) {
        return "NP";
    }
    return p + " PUNCH";
}

bool IsAlphanumeric(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool ValidComponentId(std::string_view id, std::string_view gridName) {
    if (id.empty()) {
        return false;
    }
    if (std::ranges::all_of(id, IsAlphanumeric)) {
        return true;
    }
    // Cable ids may carry other characters around an inner underscore.
    return EqualsNoCase(gridName, "cab") && MatchesPattern(id, "*?_?*");
}

// Fields 5 to 8: the length in inches, then feet, inches and fraction for the order form.
// The last three come from the length rounded to the sixteenth, so that a fraction that rounds
// up to a whole inch carries into the inches and feet. All four are worked out in double
// precision, which holds every typed length to the sixteenth, so they always agree.
void LengthFields(double length, std::vector<std::string>& fields) {
    fields.push_back(FormatDecimal(length));
    const double rounded = RoundToSixteenth(length);
    const double whole = std::floor(rounded);
    fields.push_back(FormatDecimal(std::floor(rounded / 12)) + '\'');
    fields.push_back(FormatDecimal(std::fmod(whole, 12)) + kInchMark);
    // A fraction of sixteenths is exact in single precision.
    fields.push_back(GlyphsToText(FormatFtInGlyph(static_cast<float>(rounded - whole))) +
                     kInchMark);
}

// The record has no escape for its field separator.
bool HoldsSeparator(std::string_view text) {
    return text.find(';') != std::string_view::npos;
}

UserMessage SeparatorMessage() {
    return {"A semicolon cannot be exported.", "Error", MessageIcon::Exclamation};
}

// The finish word of a fabricated steel page's finish; nothing when the finish is none of
// black, red oxide, hot dipped or pre-galvanized.
std::optional<std::string> FabricatedFinishWord(std::string_view pageFinish) {
    static constexpr std::pair<std::string_view, std::string_view> kWords[] = {
        {"*lack", "BLACK"},
        {"*xide*", "RED OXIDE"},
        {"*ip*", "HOT DIPPED GALVANIZED"},
        {"*alvanized*", "PRE-GALVANIZED"},
    };
    for (const auto& [pattern, word] : kWords) {
        if (MatchesPattern(pageFinish, pattern)) {
            return std::string(word);
        }
    }
    return std::nullopt;
}

enum class Column { Quantity, Part, ComponentId, Slope, Length };

UserMessage ColumnMessage(Column column) {
    const char* text = "";
    switch (column) {
    case Column::Quantity:
        text = "Invalid quantity.";
        break;
    case Column::Part:
        text = "Invalid part number.";
        break;
    case Column::ComponentId:
        text = "Invalid or missing component ID.";
        break;
    case Column::Slope:
        text = "Invalid slope. Slope must be a number.";
        break;
    case Column::Length:
        text = "Invalid length. Length must be in Feet-Inches";
        break;
    }
    return {text, "Error", MessageIcon::Exclamation};
}

// What the readers of a row share: its grid and page.
struct RowPlace {
    const waybill::Page& page;
    int pageNumber = 0;
    std::string_view base; // the page's CAD base
    std::string_view grid;
    const Positions& positions;
    const GridRows& rows;
    // Of an "ext" grid: the punch named in its first row's description.
    const std::string& extensionPunch;
};

// One grid row read into the fields of its record: one reader per field, run in the order the
// row is checked, each returning the stop it makes; a row without a quantity is skipped.
class RowReader {
  public:
    RowReader(const RowPlace& place, int row)
        : at_(place), row_(row), values_(place.rows.Values(row)) {}

    std::optional<ExportFailure> Read() {
        using Reader = std::optional<ExportFailure> (RowReader::*)();
        for (const Reader reader :
             {&RowReader::Quantity, &RowReader::Part, &RowReader::ComponentId, &RowReader::Slope,
              &RowReader::Length, &RowReader::Punch, &RowReader::Description, &RowReader::Finish}) {
            if (auto stop = (this->*reader)()) {
                return stop;
            }
            if (skipped_) {
                break;
            }
        }
        return std::nullopt;
    }

    bool Skipped() const { return skipped_; }

    std::string Record(const std::string& job, std::size_t lineNumber) const {
        const std::string fields[] = {job,
                                      componentId_,
                                      std::to_string(quantity_),
                                      part_,
                                      lengthFields_[0],
                                      lengthFields_[1],
                                      lengthFields_[2],
                                      lengthFields_[3],
                                      punch_,
                                      slope_,
                                      description_,
                                      std::to_string(lineNumber),
                                      finishWord_};
        std::string record = fields[0];
        for (std::size_t k = 1; k < std::size(fields); ++k) {
            record += ';';
            record += fields[k];
        }
        return record;
    }

  private:
    ExportFailure CellFailure(Column column, int position) const {
        return {ColumnMessage(column), at_.pageNumber, ExportFocus::Cell, row_, position - 1};
    }

    ExportFailure SeparatorFailure(int row, int position) const {
        return {SeparatorMessage(), at_.pageNumber, ExportFocus::Cell, row, position - 1};
    }

    // "one", or the leading number with thousands separators dropped, rounded to a whole
    // number from 1 to 32767; an empty cell skips the row.
    std::optional<ExportFailure> Quantity() {
        const std::string* quantityValue = ValueAt(values_, at_.positions.quantity);
        if (quantityValue == nullptr) {
            return CellFailure(Column::Quantity, at_.positions.quantity);
        }
        const std::string quantityText = ToLower(Trim(*quantityValue));
        std::optional<std::int16_t> quantity = 1;
        if (quantityText != "one") {
            std::string digits = *quantityValue;
            std::erase(digits, ',');
            const auto number = LeadingNumber(digits);
            quantity = number ? RoundToInt16(*number) : std::nullopt;
        }
        if (quantity && *quantity == 0 && quantityText.empty()) {
            skipped_ = true;
            return std::nullopt;
        }
        if (!quantity || *quantity <= 0) {
            return CellFailure(Column::Quantity, at_.positions.quantity);
        }
        quantity_ = *quantity;
        return std::nullopt;
    }

    // As stored; a "_" in it is the code of a finish not chosen yet.
    std::optional<ExportFailure> Part() {
        const std::string* part = ValueAt(values_, at_.positions.part);
        if (part == nullptr || part->find('_') != std::string::npos) {
            return CellFailure(Column::Part, at_.positions.part);
        }
        if (HoldsSeparator(*part)) {
            return SeparatorFailure(row_, at_.positions.part);
        }
        part_ = *part;
        return std::nullopt;
    }

    // Trimmed; letters and digits only, but for the ids of cables (ValidComponentId).
    std::optional<ExportFailure> ComponentId() {
        const std::string* idValue = ValueAt(values_, at_.positions.componentId);
        componentId_ = idValue != nullptr ? Trim(*idValue) : std::string{};
        if (HoldsSeparator(componentId_)) {
            return SeparatorFailure(row_, at_.positions.componentId);
        }
        if (!ValidComponentId(componentId_, at_.grid)) {
            return CellFailure(Column::ComponentId, at_.positions.componentId);
        }
        return std::nullopt;
    }

    // Where the grid has a slope: a number, written as the rise in 12.
    std::optional<ExportFailure> Slope() {
        if (at_.positions.slope <= 0) {
            return std::nullopt;
        }
        const std::string* slopeValue = ValueAt(values_, at_.positions.slope);
        const auto number = slopeValue != nullptr ? NumericValue(Trim(*slopeValue)) : std::nullopt;
        if (!number) {
            return CellFailure(Column::Slope, at_.positions.slope);
        }
        slope_ = FormatDecimal(*number) + ":12";
        return std::nullopt;
    }

    // Where the grid has a length and the cell is not blank: feet and inches above 0, as the
    // four length fields.
    std::optional<ExportFailure> Length() {
        if (at_.positions.length <= 0) {
            return std::nullopt;
        }
        const std::string* lengthValue = ValueAt(values_, at_.positions.length);
        if (lengthValue == nullptr) {
            return CellFailure(Column::Length, at_.positions.length);
        }
        if (!TrimView(*lengthValue).empty()) {
            const double length = ParseFtIn(*lengthValue);
            if (!(length > 0)) {
                return CellFailure(Column::Length, at_.positions.length);
            }
            lengthFields_.clear();
            LengthFields(length, lengthFields_);
        }
        return std::nullopt;
    }

    // Where the grid has an "LP" column: the code typed there, or "SPECIAL PUNCH" when the row
    // also has an "A" dimension.
    std::optional<ExportFailure> Punch() {
        if (at_.positions.punch <= 0) {
            return std::nullopt;
        }
        punch_ = ValueOrEmpty(values_, at_.positions.punch);
        if (HoldsSeparator(punch_)) {
            return SeparatorFailure(row_, at_.positions.punch);
        }
        if (!TrimView(punch_).empty() && HasADimension()) {
            punch_ = "SPECIAL PUNCH";
        }
        return std::nullopt;
    }

    // Any "A" dimension makes the pattern a special one: the values from the first "A"
    // dimension of a member row up to the two before the last.
    bool HasADimension() const {
        for (std::size_t k = MemberColumn::kFirstADim; k + 2 < values_.size(); ++k) {
            if (!TrimView(values_[k]).empty()) {
                return true;
            }
        }
        return false;
    }

    // Where the grid has one and the page exports it: trimmed, a lone inch mark (ditto) as
    // nothing; a header's sizes or an extension grid's punch added; in plain text.
    std::optional<ExportFailure> Description() {
        if (at_.positions.description <= 0 || IsNoDescriptionPage(at_.base)) {
            return std::nullopt;
        }
        std::string description = Trim(ValueOrEmpty(values_, at_.positions.description));
        if (HoldsSeparator(description)) {
            return SeparatorFailure(row_, at_.positions.description);
        }
        if (description == std::string(1, kInchMark)) {
            return std::nullopt;
        }
        if (EqualsNoCase(at_.grid, "hed")) {
            if (auto stop = AddHeaderSizes(description)) {
                return stop;
            }
        } else if (EqualsNoCase(at_.grid, "ext")) {
            if (auto stop = AddExtensionPunch(description)) {
                return stop;
            }
        }
        description = GlyphsToText(description);
        description_ = std::move(description);
        return std::nullopt;
    }

    // A header takes two rows: the size column of both joins its description.
    std::optional<ExportFailure> AddHeaderSizes(std::string& description) const {
        const int size = at_.positions.description + 1;
        const int lastSizeRow = row_ % 2 == 1 ? row_ + 1 : row_;
        for (int sizeRow = row_; sizeRow <= lastSizeRow; ++sizeRow) {
            const std::string text = Trim(ValueOrEmpty(at_.rows.Values(sizeRow), size));
            if (HoldsSeparator(text)) {
                return SeparatorFailure(sizeRow, size);
            }
            description += ", " + text;
        }
        return std::nullopt;
    }

    // The rows of an extension grid take the grid's punch; a row whose description sets one
    // of its own ("x=y") is a special punch, and its description names the grid's punch.
    std::optional<ExportFailure> AddExtensionPunch(std::string& description) {
        const std::string& extensionPunch = at_.extensionPunch;
        if (HoldsSeparator(extensionPunch)) {
            // Named in the description of the grid's first row.
            return SeparatorFailure(1, at_.positions.description);
        }
        if (description.find('=') != std::string::npos) {
            punch_ = "SPECIAL PUNCH";
            if (extensionPunch != "NP") {
                description += ", " + extensionPunch;
            }
        } else {
            punch_ = extensionPunch;
        }
        return std::nullopt;
    }

    // A fabricated steel page's finish word, which it must have; a hi-tensile page's finish
    // closes the description.
    std::optional<ExportFailure> Finish() {
        const PageKind kind = PageKindOf(at_.base);
        if (IsFabricatedSteel(kind)) {
            const auto word = FabricatedFinishWord(at_.page.Finish);
            if (!word) {
                return ExportFailure{
                    {"You must select a finish", "Invalid Finish", MessageIcon::None},
                    at_.pageNumber,
                    ExportFocus::Finish};
            }
            finishWord_ = *word;
        } else if (IsHiTensile(kind) && !at_.page.Finish.empty()) {
            if (HoldsSeparator(at_.page.Finish)) {
                return ExportFailure{SeparatorMessage(), at_.pageNumber, ExportFocus::Finish};
            }
            description_ += "(" + at_.page.Finish + ")";
        }
        return std::nullopt;
    }

    const RowPlace& at_;
    const int row_;
    const std::vector<std::string>& values_;
    bool skipped_ = false;
    std::int16_t quantity_ = 0;
    std::string part_;
    std::string componentId_;
    std::string slope_;
    std::vector<std::string> lengthFields_{"0", "", "", ""};
    std::string punch_;
    std::string description_;
    std::string finishWord_;
};

class Exporter {
  public:
    Exporter(const Book& book, const ReferenceDatabase& database)
        : book_(book), database_(database), job_(Trim(book.JobNumber)) {}

    std::variant<TableExport, ExportFailure> Run() {
        if (HoldsSeparator(job_)) {
            return ExportFailure{SeparatorMessage(), 0, ExportFocus::JobNumber};
        }
        for (int page = 1; page <= book_.PageCount(); ++page) {
            if (auto failure = Page(page)) {
                return std::move(*failure);
            }
        }
        if (table_.records.empty()) {
            return ExportFailure{{"There is no quantity to export.", "Note", MessageIcon::None}};
        }
        return std::move(table_);
    }

  private:
    std::optional<ExportFailure> Page(int pageNumber) {
        const waybill::Page& page = book_.GetPage(pageNumber);
        pageNumber_ = pageNumber;
        const std::string base = CadBase(page.CadNumber);
        if (IsPurchasePage(base)) {
            table_.purchasePages = true;
            return std::nullopt;
        }
        for (const PageItem& item : ReadPageItems(page.PageData)) {
            if (item.keyword != PageKeyword::Grid) {
                continue;
            }
            const Positions* positions = Columns(item.name);
            if (positions == nullptr) {
                // Skipping the grid would drop its items from the order without a word.
                return ExportFailure{GridNotFoundMessage(item.name), pageNumber};
            }
            const GridRows rows(page.PageData, item);
            if (auto failure = Grid(page, base, item.name, *positions, rows)) {
                return failure;
            }
        }
        return std::nullopt;
    }

    // Grids are read once per export: a document names the same few grids on every page.
    const Positions* Columns(const std::string& grid) {
        const std::string key = ToLower(grid);
        auto found = grids_.find(key);
        if (found == grids_.end()) {
            const auto definition = database_.FindGrid(grid);
            const auto columns = database_.ReadTable(grid);
            std::optional<Positions> read;
            if (definition && columns) {
                read = ReadPositions(*columns);
            }
            found = grids_.emplace(key, read).first;
        }
        return found->second ? &*found->second : nullptr;
    }

    std::optional<ExportFailure> Grid(const waybill::Page& page, const std::string& base,
                                      const std::string& grid, const Positions& positions,
                                      const GridRows& rows) {
        if (!positions.Exportable()) {
            return std::nullopt;
        }
        const std::string extensionPunch =
            EqualsNoCase(grid, "ext")
                ? ExtensionPunch(ValueOrEmpty(rows.Values(1), positions.description))
                : std::string{};
        const RowPlace place{page, pageNumber_, base, grid, positions, rows, extensionPunch};
        for (int row = 1; row <= rows.Count(); ++row) {
            if (rows.Values(row).empty()) {
                continue; // an empty row
            }
            RowReader reader(place, row);
            if (auto failure = reader.Read()) {
                return failure;
            }
            if (!reader.Skipped()) {
                table_.records.push_back(reader.Record(job_, table_.records.size() + 1));
            }
        }
        return std::nullopt;
    }

    const Book& book_;
    const ReferenceDatabase& database_;
    const std::string job_;
    TableExport table_;
    int pageNumber_ = 0;
    std::map<std::string, std::optional<Positions>> grids_;
};

} // namespace

std::variant<TableExport, ExportFailure> ExportTable(const Book& book,
                                                     const ReferenceDatabase& database) {
    return Exporter(book, database).Run();
}

std::string FormatTable(const TableExport& table) {
    std::string text;
    for (const std::string& record : table.records) {
        text += record;
        text += "\r\n";
    }
    return text;
}

std::optional<UserMessage> WriteTable(const TableExport& table, const std::filesystem::path& path) {
    const std::string why = WriteFileAtomically(path, FormatTable(table));
    if (why.empty()) {
        return std::nullopt;
    }
    return UserMessage{"Cannot write " + PathText(path) + ": " + Utf8ToCp1252(why) + ".",
                       "File Error", MessageIcon::Exclamation};
}

UserMessage TableExportedMessage(const TableExport& table, const std::filesystem::path& path) {
    std::string text =
        std::to_string(table.records.size()) + " line(s) exported to file " + PathText(path) + ".";
    if (table.purchasePages) {
        text += "\r*** This job contains purchase waybill(s) that were not exported;\r"
                "You will need to enter these items in manually into Oracle. ***";
    }
    return {std::move(text), "Waybill Export Finished", MessageIcon::None};
}

} // namespace waybill

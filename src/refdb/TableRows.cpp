// The rows a table of the reference database reads as (TableRows, ReferenceDatabase.h).
#include "refdb/ReferenceDatabase.h"
#include "units/NumberText.h"
#include "units/Text.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace waybill {
namespace {

const FieldValue kNull{};

std::string FormatReal(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

struct ToText {
    std::string operator()(std::monostate) const { return {}; }
    std::string operator()(std::int64_t v) const { return std::to_string(v); }
    std::string operator()(double v) const { return FormatReal(v); }
    std::string operator()(const std::string& v) const { return v; }
};

struct ToNumber {
    double operator()(std::monostate) const { return 0; }
    double operator()(std::int64_t v) const { return static_cast<double>(v); }
    double operator()(double v) const { return v; }
    double operator()(const std::string& v) const { return NumericValue(v).value_or(0); }
};

std::int64_t RoundToInteger(double value) {
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    constexpr double kLimit = 9223372036854775808.0;
    const double rounded = std::nearbyint(value); // the default mode rounds half to even
    if (!(rounded >= -kLimit && rounded < kLimit)) {
        return 0;
    }
    return static_cast<std::int64_t>(rounded);
}

} // namespace

TableRows::TableRows(std::vector<std::string> fieldNames, std::vector<std::vector<FieldValue>> rows)
    : data_(std::make_shared<const Data>(Data{std::move(fieldNames), std::move(rows)})) {}

std::size_t TableRows::RowCount() const {
    return data_ ? data_->rows.size() : 0;
}

const std::vector<std::string>& TableRows::FieldNames() const {
    static const std::vector<std::string> kNone;
    return data_ ? data_->fieldNames : kNone;
}

bool TableRows::HasField(std::string_view name) const {
    for (const auto& field : FieldNames()) {
        if (EqualsNoCase(field, name)) {
            return true;
        }
    }
    return false;
}

const FieldValue& TableRows::Value(std::size_t row, std::string_view field) const {
    if (row >= RowCount()) {
        return kNull;
    }
    const auto& names = data_->fieldNames;
    const auto& cells = data_->rows[row];
    for (std::size_t i = 0; i < names.size() && i < cells.size(); ++i) {
        if (EqualsNoCase(names[i], field)) {
            return cells[i];
        }
    }
    return kNull;
}

std::string TableRows::Text(std::size_t row, std::string_view field) const {
    return std::visit(ToText{}, Value(row, field));
}

double TableRows::Number(std::size_t row, std::string_view field) const {
    return std::visit(ToNumber{}, Value(row, field));
}

std::int64_t TableRows::Integer(std::size_t row, std::string_view field) const {
    const FieldValue& value = Value(row, field);
    if (const auto* integer = std::get_if<std::int64_t>(&value)) {
        return *integer;
    }
    return RoundToInteger(std::visit(ToNumber{}, value));
}

bool TableRows::Boolean(std::size_t row, std::string_view field) const {
    const FieldValue& value = Value(row, field);
    if (const auto* text = std::get_if<std::string>(&value)) {
        if (EqualsNoCase(TrimView(*text), "True")) {
            return true;
        }
        return NumericValue(*text).value_or(0) != 0;
    }
    return std::visit(ToNumber{}, value) != 0;
}

} // namespace waybill

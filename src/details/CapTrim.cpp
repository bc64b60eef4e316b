#include "details/CapTrim.h"

#include "details/DetailValues.h"

namespace waybill {

namespace {
using details::Single;
using details::ValueLine;
} // namespace

DetailResult MakeCapTrim(const CapTrimInput& input) {
    const float dim = details::TypedSingle(input.dim);
    if (!(dim > 0)) {
        return details::RuleError(dim, "Invalid Number", "Dim");
    }
    const std::string ctSf = details::TypedSfNumber(input.ctSf);
    const std::string bcSf = details::TypedSfNumber(input.bcSf);

    ValueLine line(9);
    line.Length(0, dim, "Dim");
    line.Length(1, Single(dim + 0.125), "Dim");
    line.Text(2, ctSf);
    line.Length(3, Single(dim + 7.75), "Dim");
    line.Text(4, "SF-" + bcSf);
    line.Text(5, "SF-" + ctSf);
    line.Length(6, Single(dim + 0.0625), "Dim");
    line.Text(7, bcSf);
    line.Length(8, Single(dim + 6.375), "Dim");
    if (line.Failure()) {
        return *line.Failure();
    }
    return DetailPages{{MakeDetailPage("captrim", "Cap Trim Detail", {line.Block("trim23")})},
                       false};
}
} // namespace waybill

#pragma once

#include "page/PageChanges.h"
#include "platform/UserMessage.h"

#include <string>
#include <variant>
#include <vector>

namespace waybill::test {

// A page view of the given kind with an empty grid of `rows` rows (header row included).
inline PageView MakePage(const std::string& cadNumber, const std::string& finish, int rows,
                         int columns) {
    PageView view;
    view.titleBlock[TblkCadNumber] = cadNumber;
    view.titleBlock[TblkFinish] = finish;
    GridView grid;
    grid.layout.rows = rows;
    grid.layout.columns = columns;
    grid.cells.assign(static_cast<std::size_t>(rows * columns), "");
    view.grid = std::move(grid);
    return view;
}

// The changes of a finish pick that was not refused.
inline const PageChanges& Changes(const std::variant<PageChanges, UserMessage>& picked) {
    return std::get<PageChanges>(picked);
}

// The view with the changes applied, for checking the result as a whole.
inline PageView Applied(PageView view, const PageChanges& changes) {
    ApplyPageChanges(view, changes);
    return view;
}

inline std::vector<std::string> Column(const PageView& view, int column) {
    std::vector<std::string> texts;
    for (int row = 1; row < view.grid->Rows(); ++row) {
        texts.push_back(view.grid->Cell(row, column));
    }
    return texts;
}

} // namespace waybill::test

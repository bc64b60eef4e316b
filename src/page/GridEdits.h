#pragma once

#include "page/PageChanges.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace waybill {

// A grid read through the writes made so far, so rules that run one after another (a finish
// suffix, then the short-length mark) see each other's results without touching the page.
// Cells outside the grid read empty and ignore writes. Implemented in PageChanges.cpp.
class GridEdits {
  public:
    explicit GridEdits(const GridView& grid) : grid_(grid) {}

    int Rows() const { return grid_.Rows(); }
    int Columns() const { return grid_.Columns(); }
    int LastColumn() const { return grid_.Columns() - 1; }
    bool Contains(int row, int column) const;
    const std::string& Cell(int row, int column) const;
    void Set(int row, int column, std::string text);

    // The cells whose text now differs from the grid's, in the order they were first written.
    std::vector<CellChange> Changes() const;

  private:
    const GridView& grid_;
    std::map<std::pair<int, int>, std::string> written_;
    std::vector<std::pair<int, int>> order_;
};

} // namespace waybill

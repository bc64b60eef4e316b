#include "catalog/gui/cmbGridCell.h"

#include "platform/gui/QtText.h"

namespace waybill {

cmbGridCell::cmbGridCell(QWidget* parent) : DropDownList(parent) {
    setObjectName(QStringLiteral("cmbGridCell"));
    connect(this, &DropDownList::Chosen, this, [this](int index) {
        emit Picked(kind_, row_, column_, items_.at(static_cast<std::size_t>(index)));
    });
}

void cmbGridCell::ShowCellList(const CellList& list, int row, int column,
                               const std::string& cellText, const QRect& cellRect) {
    kind_ = list.kind;
    row_ = row;
    column_ = column;
    items_ = list.items;
    QStringList texts;
    for (const std::string& item : items_) {
        texts << FromCp1252(item);
    }
    const auto preselected = CellListPreselection(list, cellText);
    Open(texts, preselected ? std::optional<int>(static_cast<int>(*preselected)) : std::nullopt,
         cellRect);
}

PageChanges cmbGridCell::PickChanges(const GridView& grid, const std::string& item) const {
    return PickCellListItem(grid, kind_, row_, column_, item);
}

} // namespace waybill

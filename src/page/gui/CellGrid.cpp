#include "page/gui/CellGrid.h"

#include "page/gui/ChangeShading.h"
#include "platform/Cp1252.h"
#include "platform/gui/QtText.h"

#include <algorithm>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace waybill {
namespace {

constexpr double kTextMargin = 3;
const QColor kLineColor(128, 128, 128);
const QColor kHeaderColor(224, 224, 224);
const QColor kShadedColor(227, 227, 227); // the 3-D light system colour

} // namespace

Qt::Alignment GridAlignment(int code, const QString& text) {
    const CellAlignment alignment = GridCellAlignment(code, ToCp1252(text));
    static constexpr Qt::AlignmentFlag kHorizontal[] = {Qt::AlignLeft, Qt::AlignHCenter,
                                                        Qt::AlignRight};
    static constexpr Qt::AlignmentFlag kVertical[] = {Qt::AlignTop, Qt::AlignVCenter,
                                                      Qt::AlignBottom};
    return kHorizontal[static_cast<int>(alignment.horizontal)] |
           kVertical[static_cast<int>(alignment.vertical)];
}

CellGrid::CellGrid(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CellGrid::SetTextSource(TextSource source) {
    source_ = std::move(source);
    update();
}

void CellGrid::SetChangeSource(ChangeSource source) {
    changed_ = std::move(source);
    update();
}

std::vector<double> CellGrid::Edges(const std::vector<double>& sizes) {
    std::vector<double> edges{0};
    for (double size : sizes) {
        edges.push_back(edges.back() + std::max(0.0, size));
    }
    return edges;
}

void CellGrid::SetShape(std::vector<double> columnWidths, std::vector<double> rowHeights,
                        std::vector<int> alignments, int shadedColumn) {
    found_.reset();
    columnWidths_ = std::move(columnWidths);
    rowHeights_ = std::move(rowHeights);
    alignments_ = std::move(alignments);
    shadedColumn_ = shadedColumn;
    columnEdges_ = Edges(columnWidths_);
    rowEdges_ = Edges(rowHeights_);
    resize(static_cast<int>(std::ceil(columnEdges_.back())),
           static_cast<int>(std::ceil(rowEdges_.back())));
    SetCurrent(row_, column_);
    update();
}

void CellGrid::SetCellFont(const QFont& font) {
    setFont(font);
    update();
}

CellRange CellGrid::Selection() const {
    return {std::min(row_, anchorRow_), std::min(column_, anchorColumn_),
            std::max(row_, anchorRow_), std::max(column_, anchorColumn_)};
}

void CellGrid::SetCurrent(int row, int column) {
    row_ = std::clamp(row, 1, std::max(1, Rows() - 1));
    column_ = std::clamp(column, 0, std::max(0, Columns() - 1));
    anchorRow_ = row_;
    anchorColumn_ = column_;
    update();
    emit CurrentChanged();
}

void CellGrid::MarkCurrentFound() {
    found_ = std::pair(row_, column_);
    update();
}

void CellGrid::SetSelection(const CellRange& range) {
    SetCurrent(range.top, range.left);
    anchorRow_ = std::clamp(range.bottom, row_, std::max(1, Rows() - 1));
    anchorColumn_ = std::clamp(range.right, column_, std::max(0, Columns() - 1));
    update();
    emit CurrentChanged();
}

QRectF CellGrid::CellRect(int row, int column) const {
    if (row < 0 || row >= Rows() || column < 0 || column >= Columns()) {
        return {};
    }
    const auto r = static_cast<std::size_t>(row);
    const auto c = static_cast<std::size_t>(column);
    return QRectF(QPointF(columnEdges_[c], rowEdges_[r]),
                  QPointF(columnEdges_[c + 1], rowEdges_[r + 1]));
}

int CellGrid::ColumnAlignmentCode(int column) const {
    return column >= 0 && column < static_cast<int>(alignments_.size())
               ? alignments_[static_cast<std::size_t>(column)]
               : 1;
}

std::pair<int, int> CellGrid::CellAt(QPointF point) const {
    if (Rows() == 0 || Columns() == 0) {
        return {-1, -1};
    }
    auto find = [](const std::vector<double>& edges, double v) {
        const auto it = std::upper_bound(edges.begin() + 1, edges.end() - 1, v);
        return static_cast<int>(it - edges.begin()) - 1;
    };
    return {find(rowEdges_, point.y()), find(columnEdges_, point.x())};
}

void CellGrid::MoveTo(int row, int column, bool extend) {
    const int oldAnchorRow = anchorRow_;
    const int oldAnchorColumn = anchorColumn_;
    SetCurrent(row, column);
    if (extend) {
        anchorRow_ = oldAnchorRow;
        anchorColumn_ = oldAnchorColumn;
        update();
        emit CurrentChanged();
    }
}

void CellGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (Rows() == 0 || Columns() == 0) {
        return;
    }
    const CellRange selection = Selection();
    const bool multiple = selection.bottom > selection.top || selection.right > selection.left;
    const QColor highlight = palette().color(QPalette::Highlight);
    const QColor highlightText = palette().color(QPalette::HighlightedText);
    static const std::string kNone;
    std::vector<QRectF> changed;

    for (int r = 0; r < Rows(); ++r) {
        for (int c = 0; c < Columns(); ++c) {
            const QRectF cell = CellRect(r, c);
            if (cell.width() <= 0 || !event->rect().intersects(cell.toAlignedRect())) {
                continue;
            }
            const bool selected =
                r > 0 && multiple && selection.Contains(r, c) && !(r == row_ && c == column_);
            if (r == 0) {
                painter.fillRect(cell, kHeaderColor);
            } else if (selected) {
                painter.fillRect(cell, highlight);
            } else if (changed_ && changed_(r, c)) {
                PaintChangeTint(painter, cell);
                changed.push_back(cell);
            } else if (c == shadedColumn_) {
                painter.fillRect(cell, kShadedColor);
            }
            const std::string& bytes = source_ ? source_(r, c) : kNone;
            if (bytes.empty()) {
                continue;
            }
            const QString text = FromCp1252(bytes);
            const Qt::Alignment align =
                r == 0 ? Qt::AlignCenter : GridAlignment(ColumnAlignmentCode(c), text);
            painter.setPen(selected ? highlightText : Qt::black);
            painter.drawText(cell.adjusted(kTextMargin, 0, -kTextMargin, 0),
                             static_cast<int>(align) | Qt::TextSingleLine, text);
        }
    }

    // Lines between the cells, on whole device pixels so they stay crisp.
    painter.setPen(QPen(kLineColor, 0));
    const double right = columnEdges_.back();
    const double bottom = rowEdges_.back();
    for (double y : rowEdges_) {
        const double line = std::min(y, bottom - 0.5);
        painter.drawLine(QPointF(0, line), QPointF(right, line));
    }
    for (double x : columnEdges_) {
        const double line = std::min(x, right - 0.5);
        painter.drawLine(QPointF(line, 0), QPointF(line, bottom));
    }
    // Changed cells are outlined along their lines, clear of their text.
    for (const QRectF& cell : changed) {
        PaintChangeOutline(painter, cell);
    }

    // The current cell is framed while the grid has the focus, or while it is a find hit.
    const QRectF current = CellRect(row_, column_);
    const bool found = found_ == std::pair(row_, column_);
    if ((hasFocus() || found) && !current.isEmpty()) {
        painter.setPen(QPen(hasFocus() ? QColor(Qt::black) : highlight, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(current.adjusted(1, 1, -1, -1));
    }
}

void CellGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const auto [row, column] = CellAt(event->position());
    if (row < 1) {
        return; // the header row is not a cell one works in
    }
    MoveTo(row, column, event->modifiers() & Qt::ShiftModifier);
}

void CellGrid::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        return;
    }
    const auto [row, column] = CellAt(event->position());
    if (row < 0) {
        return;
    }
    // Dragging stretches the selection from where the press put the anchor.
    const int anchorRow = anchorRow_;
    const int anchorColumn = anchorColumn_;
    SetCurrent(std::max(row, 1), column);
    anchorRow_ = anchorRow;
    anchorColumn_ = anchorColumn;
    update();
    emit CurrentChanged();
}

void CellGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const auto [row, column] = CellAt(event->position());
    if (row >= 1) {
        SetCurrent(row, column);
        emit CellDoubleClicked(row, column);
    }
}

void CellGrid::keyPressEvent(QKeyEvent* event) {
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Up:
        MoveTo(row_ - 1, column_, extend);
        return;
    case Qt::Key_Down:
        MoveTo(row_ + 1, column_, extend);
        return;
    case Qt::Key_Left:
        MoveTo(row_, column_ - 1, extend);
        return;
    case Qt::Key_Right:
        MoveTo(row_, column_ + 1, extend);
        return;
    case Qt::Key_Home:
        MoveTo(row_, 0, extend);
        return;
    case Qt::Key_End:
        MoveTo(row_, Columns() - 1, extend);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit EditKeyTyped({});
        return;
    case Qt::Key_Delete:
        emit DeleteKey();
        return;
    default:
        break;
    }
    const QString text = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plain && text.size() == 1) {
        const std::string byte = Utf8ToCp1252(text.toStdString());
        const auto code = static_cast<unsigned char>(byte.empty() ? 0 : byte[0]);
        // Only printable characters start an edit (X11 gives Delete the text "\x7f"). A
        // character the code page lacks comes back as "?"; it cannot be typed into a cell.
        if (code >= 33 && code != 127 && (byte != "?" || text == QStringLiteral("?"))) {
            emit EditKeyTyped(byte);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void CellGrid::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void CellGrid::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

} // namespace waybill

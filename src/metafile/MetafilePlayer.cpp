#include "metafile/MetafilePlayer.h"

#include <algorithm>
#include <cmath>

namespace waybill::wmf {

bool Player::CountPoints(std::size_t n) {
    points_ += n;
    return points_ <= kMetafileMaxPoints;
}

bool Player::AddFigure(MetaFigure figure) {
    if (!CountPoints(figure.points.size())) {
        return false;
    }
    figure.pen = state_.pen;
    figure.brush = state_.brush;
    if (figure.brush.style == MetaBrushStyle::Hatched && state_.bkMode == kBkOpaque) {
        figure.brush.background = state_.bkColor;
    }
    figure.windingFill = state_.winding;
    Append(std::move(figure));
    return true;
}

void Player::Append(MetaItem item) {
    if (mappings_.empty() || !(mappings_.back() == state_.mapping)) {
        mappings_.push_back(state_.mapping);
    }
    items_.push_back(std::move(item));
    itemMapping_.push_back(mappings_.size() - 1);
}

bool Player::PlayPoly(const Params& p, MetaShape shape) {
    if (!p.Has(1)) {
        return true;
    }
    const std::size_t count = p.U(0);
    if (!p.Has(1 + 2 * count) || count < 2) {
        return true;
    }
    MetaFigure figure{shape, {}, {}, {}, {}, false};
    figure.points.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        figure.points.push_back(Point(p.I(1 + 2 * i), p.I(2 + 2 * i)));
    }
    return AddFigure(std::move(figure));
}

bool Player::PlayPolyPolygon(const Params& p) {
    if (!p.Has(1)) {
        return true;
    }
    const std::size_t polygons = p.U(0);
    if (!p.Has(1 + polygons)) {
        return true;
    }
    std::size_t total = 0;
    for (std::size_t i = 0; i < polygons; ++i) {
        total += p.U(1 + i);
    }
    const std::size_t first = 1 + polygons;
    if (!p.Has(first + 2 * total)) {
        return true;
    }
    MetaFigure figure{MetaShape::PolyPolygon, {}, {}, {}, {}, false};
    figure.points.reserve(total);
    std::size_t word = first;
    for (std::size_t i = 0; i < polygons; ++i) {
        const std::size_t count = p.U(1 + i);
        for (std::size_t k = 0; k < count; ++k, word += 2) {
            figure.points.push_back(Point(p.I(word), p.I(word + 1)));
        }
        if (count > 0) {
            figure.counts.push_back(count);
        }
    }
    if (figure.counts.empty()) {
        return true;
    }
    return AddFigure(std::move(figure));
}

bool Player::PlayBox(const Params& p, MetaShape shape) {
    if (!p.Has(4)) {
        return true;
    }
    // bottom, right, top, left
    return AddFigure({shape, {Point(p.I(3), p.I(2)), Point(p.I(1), p.I(0))}, {}, {}, {}, false});
}

bool Player::PlayArc(const Params& p, MetaShape shape) {
    if (!p.Has(8)) {
        return true;
    }
    // yEnd, xEnd, yStart, xStart, bottom, right, top, left
    return AddFigure({shape,
                      {Point(p.I(7), p.I(6)), Point(p.I(5), p.I(4)), Point(p.I(3), p.I(2)),
                       Point(p.I(1), p.I(0))},
                      {},
                      {},
                      {},
                      false});
}

void Player::PlayText(MetaPoint at, std::string_view text, std::vector<double> advances) {
    if (state_.textAlign & kMetaAlignUpdateCp) {
        at = state_.position;
    }
    MetaText item{at,           std::string(text),  state_.font, state_.textColor, state_.textAlign,
                  std::nullopt, std::move(advances)};
    if (state_.bkMode == kBkOpaque) {
        item.background = state_.bkColor;
    }
    Append(std::move(item));
}

void Player::PlayExtTextOut(const Params& p) {
    if (!p.Has(4)) {
        return;
    }
    const MetaPoint at = Point(p.I(1), p.I(0));
    const std::size_t length = p.U(2);
    const std::uint16_t options = p.U(3);
    std::size_t word = 4;
    if (options & (kEtoOpaque | kEtoClipped)) {
        if (!p.Has(8)) {
            return;
        }
        if (options & kEtoOpaque) {
            const DcState kept = state_;
            state_.pen.style = MetaPenStyle::Null;
            state_.brush = {MetaBrushStyle::Solid, state_.bkColor, 0, std::nullopt};
            AddFigure({MetaShape::Rectangle,
                       {Point(p.I(4), p.I(5)), Point(p.I(6), p.I(7))},
                       {},
                       {},
                       {},
                       false});
            state_ = kept;
        }
        word = 8;
    }
    const std::size_t textWords = (length + 1) / 2;
    if (!p.Has(word + textWords)) {
        return;
    }
    std::vector<double> advances;
    if (p.Has(word + textWords + length)) {
        for (std::size_t i = 0; i < length; ++i) {
            advances.push_back(p.I(word + textWords + i));
        }
    }
    PlayText(at, p.Bytes(word, length), std::move(advances));
}

void Player::PlayFont(const Params& p) {
    if (!p.Has(9)) {
        Create(Other{});
        return;
    }
    MetaFont font;
    const int height = p.I(0);
    font.height = std::abs(height);
    font.cellHeight = height > 0;
    font.escapement = p.I(2);
    font.weight = p.I(4);
    font.italic = (p.U(5) & 0xFF) != 0;
    font.underline = (p.U(5) >> 8) != 0;
    font.strikeOut = (p.U(6) & 0xFF) != 0;
    const std::string_view face = p.Bytes(9, 32);
    font.faceName = std::string(face.substr(0, std::min(face.find('\0'), face.size())));
    Create(std::move(font));
}

void Player::PlayRestore(int which) {
    // Negative: that many levels back; positive: the state saved by that SaveDC (from 1).
    std::size_t keep;
    if (which < 0) {
        const std::size_t back = static_cast<std::size_t>(-which);
        if (back > saved_.size()) {
            return;
        }
        keep = saved_.size() - back;
    } else if (which > 0 && static_cast<std::size_t>(which) <= saved_.size()) {
        keep = static_cast<std::size_t>(which) - 1;
    } else {
        return;
    }
    state_ = saved_[keep];
    saved_.resize(keep);
}

bool Player::LineTo(MetaPoint to) {
    if (openLine_) {
        auto& line = std::get<MetaFigure>(items_[*openLine_]);
        if (!CountPoints(1)) {
            return false;
        }
        line.points.push_back(to);
    } else {
        if (!AddFigure({MetaShape::Polyline, {state_.position, to}, {}, {}, {}, false})) {
            return false;
        }
        openLine_ = items_.size() - 1;
    }
    state_.position = to;
    return true;
}

bool Player::Play(std::uint16_t function, const Params& p) {
    if (function != kLineTo) {
        openLine_.reset();
    }
    switch (function) {
    case kSetWindowOrg:
        if (p.Has(2)) {
            state_.mapping.orgX = p.I(1);
            state_.mapping.orgY = p.I(0);
        }
        break;
    case kSetWindowExt:
        // A zero extent is refused, as the device refuses it, and the old one stays.
        if (p.Has(2) && p.I(0) != 0 && p.I(1) != 0) {
            state_.mapping.ext = MetaPoint{double(p.I(1)), double(p.I(0))};
            if (!firstExt_) {
                firstExt_ = state_.mapping.ext;
            }
        }
        break;
    case kSetMapMode:
        if (p.Has(1) && p.U(0) >= kMmText && p.U(0) <= kMmAnisotropic) {
            state_.mapping.mapMode = p.U(0);
        }
        break;
    case kSetBkMode:
        if (p.Has(1)) {
            state_.bkMode = p.U(0);
        }
        break;
    case kSetBkColor:
        if (p.Has(2)) {
            state_.bkColor = ColorOf(p.U32At(0));
        }
        break;
    case kSetTextColor:
        if (p.Has(2)) {
            state_.textColor = ColorOf(p.U32At(0));
        }
        break;
    case kSetTextAlign:
        if (p.Has(1)) {
            state_.textAlign = p.U(0);
        }
        break;
    case kSetPolyFillMode:
        if (p.Has(1)) {
            state_.winding = p.U(0) == kPolyFillWinding;
        }
        break;
    case kSaveDc:
        // Deeper nesting than any drawing needs is ignored; restores then find fewer levels.
        if (saved_.size() < kMetafileMaxSaveDepth) {
            saved_.push_back(state_);
        }
        break;
    case kRestoreDc:
        if (p.Has(1)) {
            PlayRestore(p.I(0));
        }
        break;
    case kCreatePenIndirect:
        if (p.Has(5)) {
            const int style = p.U(0) & 0x0F;
            MetaPen pen;
            pen.style = style <= 6 ? static_cast<MetaPenStyle>(style) : MetaPenStyle::Solid;
            pen.width = std::abs(p.I(1));
            pen.color = ColorOf(p.U32At(3));
            Create(pen);
        } else {
            Create(Other{});
        }
        break;
    case kCreateBrushIndirect:
        if (p.Has(4)) {
            MetaBrush brush;
            const int style = p.U(0);
            brush.style = style == 1   ? MetaBrushStyle::Null
                          : style == 2 ? MetaBrushStyle::Hatched
                          : style == 0 ? MetaBrushStyle::Solid
                                       : MetaBrushStyle::Pattern;
            brush.color = ColorOf(p.U32At(1));
            brush.hatch = std::min<int>(p.U(3), 5);
            Create(brush);
        } else {
            Create(Other{});
        }
        break;
    case kCreateFontIndirect:
        PlayFont(p);
        break;
    case kDibCreatePatternBrush:
    case kCreatePatternBrush:
        Create(MetaBrush{MetaBrushStyle::Pattern, {}, 0, std::nullopt});
        break;
    case kCreatePalette:
    case kCreateRegion:
        // Not drawn, but they take a slot in the object table all the same.
        Create(Other{});
        break;
    case kSelectObject:
        if (p.Has(1)) {
            objects_.Select(p.U(0), state_);
        }
        break;
    case kDeleteObject:
        if (p.Has(1)) {
            objects_.Delete(p.U(0));
        }
        break;
    case kMoveTo:
        if (p.Has(2)) {
            state_.position = Point(p.I(1), p.I(0));
        }
        break;
    case kLineTo:
        if (p.Has(2)) {
            return LineTo(Point(p.I(1), p.I(0)));
        }
        break;
    case kPolyline:
        return PlayPoly(p, MetaShape::Polyline);
    case kPolygon:
        return PlayPoly(p, MetaShape::Polygon);
    case kPolyPolygon:
        return PlayPolyPolygon(p);
    case kRectangle:
        return PlayBox(p, MetaShape::Rectangle);
    case kEllipse:
        return PlayBox(p, MetaShape::Ellipse);
    case kArc:
        return PlayArc(p, MetaShape::Arc);
    case kPie:
        return PlayArc(p, MetaShape::Pie);
    case kChord:
        return PlayArc(p, MetaShape::Chord);
    case kTextOut:
        if (p.Has(1)) {
            const std::size_t length = p.U(0);
            const std::size_t textWords = (length + 1) / 2;
            if (p.Has(3 + textWords)) {
                PlayText(Point(p.I(2 + textWords), p.I(1 + textWords)), p.Bytes(1, length), {});
            }
        }
        break;
    case kExtTextOut:
        PlayExtTextOut(p);
        break;
    default:
        break;
    }
    return true;
}

std::vector<MetaItem> Player::TakeItems(MetaPoint frameExt, double widthInches,
                                        double heightInches) {
    std::vector<Window> windows;
    for (const Mapping& m : mappings_) {
        const double unitsPerInch = FixedUnitsPerInch(m.mapMode);
        if (unitsPerInch > 0) {
            // Fixed-size units run upward from the window origin at the frame's top.
            windows.push_back(
                {m.orgX, m.orgY, unitsPerInch * widthInches, -unitsPerInch * heightInches});
        } else {
            // Isotropic windows are stretched like anisotropic ones: the frame is the window.
            const MetaPoint ext = m.ext.value_or(frameExt);
            windows.push_back({m.orgX, m.orgY, ext.x, ext.y});
        }
    }
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const Window& w = windows[itemMapping_[i]];
        if (auto* figure = std::get_if<MetaFigure>(&items_[i])) {
            for (MetaPoint& point : figure->points) {
                point = w.Map(point);
            }
            figure->pen.width /= std::abs(w.extX);
        } else {
            auto& text = std::get<MetaText>(items_[i]);
            text.at = w.Map(text.at);
            text.font.height /= std::abs(w.extY);
            for (double& advance : text.advances) {
                advance /= std::abs(w.extX);
            }
        }
    }
    return std::move(items_);
}

} // namespace waybill::wmf

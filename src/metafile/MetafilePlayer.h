#pragma once

// Plays the records of a metafile into drawing items: each record changes the drawing state
// or adds a figure or a text, in logical coordinates until the frame is known.

#include "metafile/MetafileObjects.h"

#include <optional>
#include <vector>

namespace waybill::wmf {

class Player {
  public:
    explicit Player(std::optional<Mapping> placeable) {
        if (placeable) {
            state_.mapping = *placeable;
        }
    }

    // Plays one record; false when the file is too large to hold.
    bool Play(std::uint16_t function, const Params& p);

    std::optional<MetaPoint> FirstExtent() const { return firstExt_; }
    std::vector<MetaItem> TakeItems(MetaPoint frameExt, double widthInches, double heightInches);

  private:
    static MetaPoint Point(std::int16_t x, std::int16_t y) { return {double(x), double(y)}; }
    bool AddFigure(MetaFigure figure);
    void Append(MetaItem item);
    void Create(GdiObject object) { objects_.Create(std::move(object)); }
    bool PlayPoly(const Params& p, MetaShape shape);
    bool PlayPolyPolygon(const Params& p);
    bool PlayBox(const Params& p, MetaShape shape);
    bool PlayArc(const Params& p, MetaShape shape);
    void PlayText(MetaPoint at, std::string_view text, std::vector<double> advances);
    void PlayExtTextOut(const Params& p);
    void PlayFont(const Params& p);
    void PlayRestore(int which);
    bool LineTo(MetaPoint to);
    bool CountPoints(std::size_t n);

    DcState state_;
    std::vector<DcState> saved_;
    ObjectTable objects_;
    std::vector<MetaItem> items_;
    std::vector<std::size_t> itemMapping_;
    std::vector<Mapping> mappings_;
    std::optional<MetaPoint> firstExt_;
    std::size_t points_ = 0;
    std::optional<std::size_t> openLine_; // the polyline LineTo records are extending
};

} // namespace waybill::wmf

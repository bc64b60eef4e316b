#include "platform/Metafile.h"

#include "platform/TextFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>

namespace waybill {
namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableSize = 22;
constexpr std::size_t kHeaderWords = 9;
constexpr double kDefaultUnitsPerInch = 1440;

// Record functions (the low word of each record's header).
enum Function : std::uint16_t {
    kEof = 0x0000,
    kSaveDc = 0x001E,
    kCreatePalette = 0x00F7,
    kSetBkColor = 0x0201,
    kSetBkMode = 0x0102,
    kSetMapMode = 0x0103,
    kSetPolyFillMode = 0x0106,
    kRestoreDc = 0x0127,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kDibCreatePatternBrush = 0x0142,
    kDeleteObject = 0x01F0,
    kCreatePatternBrush = 0x01F9,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kCreatePenIndirect = 0x02FA,
    kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kEllipse = 0x0418,
    kRectangle = 0x041B,
    kTextOut = 0x0521,
    kPolyPolygon = 0x0538,
    kCreateRegion = 0x06FF,
    kArc = 0x0817,
    kPie = 0x081A,
    kChord = 0x0830,
    kExtTextOut = 0x0A32,
};

enum MapMode { kMmText = 1, kMmTwips = 6, kMmIsotropic = 7, kMmAnisotropic = 8 };
constexpr int kBkOpaque = 2;
constexpr int kPolyFillWinding = 2;
constexpr std::uint16_t kEtoOpaque = 0x0002;
constexpr std::uint16_t kEtoClipped = 0x0004;

// Little-endian reads from a bounds-checked byte range.
std::uint16_t U16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      (static_cast<unsigned char>(b[at + 1]) << 8));
}
std::int16_t I16(std::string_view b, std::size_t at) {
    return static_cast<std::int16_t>(U16(b, at));
}
std::uint32_t U32(std::string_view b, std::size_t at) {
    return U16(b, at) | (static_cast<std::uint32_t>(U16(b, at + 2)) << 16);
}

// The parameter words of one record.
class Params {
  public:
    explicit Params(std::string_view bytes) : bytes_(bytes) {}
    std::size_t Words() const { return bytes_.size() / 2; }
    bool Has(std::size_t words) const { return Words() >= words; }
    std::int16_t I(std::size_t word) const { return I16(bytes_, word * 2); }
    std::uint16_t U(std::size_t word) const { return U16(bytes_, word * 2); }
    std::uint32_t U32At(std::size_t word) const { return U32(bytes_, word * 2); }
    std::string_view Bytes(std::size_t word, std::size_t count) const {
        return bytes_.substr(word * 2, count);
    }

  private:
    std::string_view bytes_;
};

MetaColor ColorOf(std::uint32_t colorRef) {
    return {static_cast<std::uint8_t>(colorRef & 0xFF),
            static_cast<std::uint8_t>((colorRef >> 8) & 0xFF),
            static_cast<std::uint8_t>((colorRef >> 16) & 0xFF)};
}

// Logical units per inch of the map modes whose units have a fixed size; 0 for the modes
// whose window is stretched over the frame.
double FixedUnitsPerInch(int mapMode) {
    switch (mapMode) {
    case 2:
        return 254; // LOMETRIC
    case 3:
        return 2540; // HIMETRIC
    case 4:
        return 100; // LOENGLISH
    case 5:
        return 1000; // HIENGLISH
    case kMmTwips:
        return 1440;
    default:
        return 0;
    }
}

// How logical coordinates reach the frame; the extent may stay unknown until the file
// names one, as long as that happens somewhere.
struct Mapping {
    int mapMode = kMmAnisotropic;
    double orgX = 0;
    double orgY = 0;
    std::optional<MetaPoint> ext;

    bool operator==(const Mapping&) const = default;
};

// The window a mapping comes to: its origin lands on the frame's top-left corner and the
// origin plus its extent on the bottom-right.
struct Window {
    double orgX, orgY, extX, extY;
    MetaPoint Map(MetaPoint p) const { return {(p.x - orgX) / extX, (p.y - orgY) / extY}; }
};

struct Other {};
using GdiObject = std::variant<MetaPen, MetaBrush, MetaFont, Other>;

// The drawing state a SaveDC keeps.
struct DcState {
    MetaPen pen;
    MetaBrush brush;
    MetaFont font;
    int textAlign = 0;
    MetaColor textColor;
    MetaColor bkColor{255, 255, 255};
    int bkMode = kBkOpaque;
    bool winding = false;
    Mapping mapping;
    MetaPoint position;
};

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
    void Create(GdiObject object);
    void Select(std::size_t index);
    void Delete(std::size_t index);
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
    std::vector<std::optional<GdiObject>> objects_;
    std::set<std::size_t> freeSlots_;
    std::vector<MetaItem> items_;
    std::vector<std::size_t> itemMapping_;
    std::vector<Mapping> mappings_;
    std::optional<MetaPoint> firstExt_;
    std::size_t points_ = 0;
    std::optional<std::size_t> openLine_; // the polyline LineTo records are extending
};

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

void Player::Create(GdiObject object) {
    std::size_t slot;
    if (!freeSlots_.empty()) {
        slot = *freeSlots_.begin();
        freeSlots_.erase(freeSlots_.begin());
    } else if (objects_.size() < kMetafileMaxObjects) {
        slot = objects_.size();
        objects_.emplace_back();
    } else {
        return; // the table is full: the object is not created, as a full table does
    }
    objects_[slot] = std::move(object);
}

void Player::Select(std::size_t index) {
    if (index >= objects_.size() || !objects_[index]) {
        return;
    }
    const GdiObject& object = *objects_[index];
    if (const auto* pen = std::get_if<MetaPen>(&object)) {
        state_.pen = *pen;
    } else if (const auto* brush = std::get_if<MetaBrush>(&object)) {
        state_.brush = *brush;
    } else if (const auto* font = std::get_if<MetaFont>(&object)) {
        state_.font = *font;
    }
}

void Player::Delete(std::size_t index) {
    if (index < objects_.size() && objects_[index]) {
        objects_[index].reset();
        freeSlots_.insert(index);
    }
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
            Select(p.U(0));
        }
        break;
    case kDeleteObject:
        if (p.Has(1)) {
            Delete(p.U(0));
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

struct Header {
    std::optional<Mapping> placeable; // the bounding box as the initial window
    double widthInches = 0;
    double heightInches = 0;
    std::size_t recordsAt = 0;
};

std::optional<MetafileError> ReadHeader(std::string_view bytes, Header& header) {
    std::size_t at = 0;
    if (bytes.size() >= kPlaceableSize && U32(bytes, 0) == kPlaceableKey) {
        const int left = I16(bytes, 6);
        const int top = I16(bytes, 8);
        const int right = I16(bytes, 10);
        const int bottom = I16(bytes, 12);
        const int unitsPerInch = U16(bytes, 14);
        if (left == right || top == bottom || unitsPerInch == 0) {
            return MetafileError::BadHeader;
        }
        header.placeable = Mapping{kMmAnisotropic, double(left), double(top),
                                   MetaPoint{double(right - left), double(bottom - top)}};
        header.widthInches = std::abs(right - left) / double(unitsPerInch);
        header.heightInches = std::abs(bottom - top) / double(unitsPerInch);
        at = kPlaceableSize;
    }
    if (bytes.size() < at + kHeaderWords * 2) {
        return MetafileError::NotAMetafile;
    }
    const std::uint16_t type = U16(bytes, at);
    const std::uint16_t headerWords = U16(bytes, at + 2);
    if ((type != 1 && type != 2) || headerWords != kHeaderWords) {
        return MetafileError::NotAMetafile;
    }
    header.recordsAt = at + kHeaderWords * 2;
    return std::nullopt;
}

} // namespace

MetafileResult ReadMetafile(std::string_view bytes) {
    Header header;
    if (auto error = ReadHeader(bytes, header)) {
        return {std::nullopt, *error};
    }
    Player player(header.placeable);
    std::size_t at = header.recordsAt;
    std::size_t records = 0;
    while (at < bytes.size()) {
        const std::size_t left = bytes.size() - at;
        if (left < 6) {
            return {std::nullopt, MetafileError::Truncated};
        }
        const std::uint64_t size = std::uint64_t(U32(bytes, at)) * 2;
        const std::uint16_t function = U16(bytes, at + 4);
        if (size < 6 || size > left) {
            return {std::nullopt, MetafileError::Truncated};
        }
        if (function == kEof) {
            break;
        }
        if (++records > kMetafileMaxRecords) {
            return {std::nullopt, MetafileError::TooLarge};
        }
        if (!player.Play(function, Params(bytes.substr(at + 6, size - 6)))) {
            return {std::nullopt, MetafileError::TooLarge};
        }
        at += size;
    }

    Metafile drawing;
    MetaPoint frameExt;
    if (header.placeable) {
        frameExt = *header.placeable->ext;
        drawing.widthInches = header.widthInches;
        drawing.heightInches = header.heightInches;
    } else if (auto ext = player.FirstExtent()) {
        frameExt = *ext;
        drawing.widthInches = std::abs(ext->x) / kDefaultUnitsPerInch;
        drawing.heightInches = std::abs(ext->y) / kDefaultUnitsPerInch;
    } else {
        return {std::nullopt, MetafileError::NoFrame};
    }
    drawing.items = player.TakeItems(frameExt, drawing.widthInches, drawing.heightInches);
    return {std::move(drawing), MetafileError::None};
}

MetafileResult LoadMetafile(const std::filesystem::path& path) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        return {std::nullopt, MetafileError::CannotOpen};
    }
    return ReadMetafile(*bytes);
}

std::string_view DescribeMetafileError(MetafileError error) {
    switch (error) {
    case MetafileError::None:
        return "read";
    case MetafileError::CannotOpen:
        return "the file cannot be opened";
    case MetafileError::NotAMetafile:
        return "not a Windows metafile";
    case MetafileError::BadHeader:
        return "the placeable header has an empty bounding box or no units per inch";
    case MetafileError::Truncated:
        return "a record runs past the end of the file";
    case MetafileError::NoFrame:
        return "the drawing has neither a bounding box nor a window extent";
    case MetafileError::TooLarge:
        return "too many records or points";
    }
    return "unreadable";
}

} // namespace waybill

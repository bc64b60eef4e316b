#pragma once

// The drawing state and the object table of a metafile being played: pens, brushes and
// fonts are created into numbered slots, selected into the state and deleted again.

#include "metafile/MetafileRecords.h"

#include <set>
#include <variant>
#include <vector>

namespace waybill::wmf {

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

// The numbered slots of created objects. A deleted object frees its slot for the next one;
// when every slot is taken, a new object is not created.
class ObjectTable {
  public:
    void Create(GdiObject object);
    // Selects the object in slot `index` into `state`; an empty or unknown slot changes nothing.
    void Select(std::size_t index, DcState& state) const;
    void Delete(std::size_t index);

  private:
    std::vector<std::optional<GdiObject>> objects_;
    std::set<std::size_t> freeSlots_;
};

} // namespace waybill::wmf

#include "metafile/MetafileObjects.h"

namespace waybill::wmf {

void ObjectTable::Create(GdiObject object) {
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

void ObjectTable::Select(std::size_t index, DcState& state) const {
    if (index >= objects_.size() || !objects_[index]) {
        return;
    }
    const GdiObject& object = *objects_[index];
    if (const auto* pen = std::get_if<MetaPen>(&object)) {
        state.pen = *pen;
    } else if (const auto* brush = std::get_if<MetaBrush>(&object)) {
        state.brush = *brush;
    } else if (const auto* font = std::get_if<MetaFont>(&object)) {
        state.font = *font;
    }
}

void ObjectTable::Delete(std::size_t index) {
    if (index < objects_.size() && objects_[index]) {
        objects_[index].reset();
        freeSlots_.insert(index);
    }
}

} // namespace waybill::wmf

#pragma once

#include "platform/UserMessage.h"

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

// One finish: what the user sees and the page stores, a short colour name (panel colours
// only) and the code written into part numbers. Code "." means no single finish (part
// numbers are then left alone); "_" marks the blank entry; Black's clip code is one space.
struct clsFinish {
    std::string LongName;
    std::string ShortName;
    std::string Code;

    bool operator==(const clsFinish&) const = default;
};

// An ordered list of finishes keyed by long name (letter case ignored). The blank entry
// some lists start with is offered in the list but is no key: an empty finish has no code.
class FinishCatalogue {
  public:
    FinishCatalogue(std::initializer_list<clsFinish> entries) : entries_(entries) {}

    const std::vector<clsFinish>& Entries() const { return entries_; }
    std::size_t Size() const { return entries_.size(); }
    const clsFinish* Find(std::string_view longName) const;

  private:
    std::vector<clsFinish> entries_;
};

// The eight catalogues, built once and never changed.
const FinishCatalogue& ClipFinishes();
const FinishCatalogue& EyeBoltFinishes();
const FinishCatalogue& HitenFinishes();
const FinishCatalogue& IronFinishes();
const FinishCatalogue& PreGalvFinishes();
const FinishCatalogue& PanelFinishes();
const FinishCatalogue& OtherFinishes();
const FinishCatalogue& RodFinishes();

// The catalogue of a page (its `PageFinishes`), from its CAD base and the title block's
// Finish field (a hi-tensile page reading "Pre-Galvanized" offers only that finish).
const FinishCatalogue& SetPageFinishes(std::string_view cadBase, std::string_view finishField);

// The code of the finish in the page's catalogue; empty when it is not there, when the
// finish is empty, or when no catalogue is bound.
std::string GetFinishCode(const FinishCatalogue* pageFinishes, std::string_view finishIn);
// The same for a page's CAD base and Finish field (the catalogue SetPageFinishes binds).
std::string PageFinishCode(std::string_view cadBase, std::string_view finishField);

// A finish name as the finish list compares it: hyphens removed, trimmed, upper-cased.
std::string NormalizeFinishName(std::string_view name);
// The entry the finish list opens on for the Finish field's text: the last whose normalized
// long name matches; nothing when none does.
std::optional<std::size_t> PreselectFinish(const FinishCatalogue& finishes,
                                           std::string_view finishField);

// The note for a click on the Finish box while no catalogue is bound.
UserMessage FinishNotModifiableMessage();

} // namespace waybill

#include "catalog/Finishes.h"

#include "model/PageKind.h"
#include "units/Text.h"

#include <algorithm>

namespace waybill {

const clsFinish* FinishCatalogue::Find(std::string_view longName) const {
    if (longName.empty()) {
        return nullptr;
    }
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const clsFinish& f) {
        return EqualsNoCase(f.LongName, longName);
    });
    return found == entries_.end() ? nullptr : &*found;
}

const FinishCatalogue& ClipFinishes() {
    static const FinishCatalogue kList{{"Red-Oxide", "", "P"},
                                       {"Hot Dip Galv.", "", "G"},
                                       {"Black", "", " "},
                                       {"Varies", "", "."}};
    return kList;
}

const FinishCatalogue& EyeBoltFinishes() {
    static const FinishCatalogue kList{
        {"", "", "_"}, {"As Noted", "", "."}, {"Zinc", "", "."}, {"Hot Dip Galv.", "", "G"}};
    return kList;
}

const FinishCatalogue& HitenFinishes() {
    // Galvanized members are bought finished: they take the unpainted code.
    static const FinishCatalogue kList{{"Red-Oxide", "", "P"}, {"Gray", "", "GP"},
                                       {"Black", "", "B"},     {"Hot Dip Galv.", "", "B"},
                                       {"Unpainted", "", "B"}, {"Finish by Others", "", "B"}};
    return kList;
}

const FinishCatalogue& IronFinishes() {
    static const FinishCatalogue kList{{"", "", "_"},
                                       {"Red-Oxide", "", "P"},
                                       {"Pre-Galvanized", "", "G"},
                                       {"Hot Dip Galv.", "", "G"},
                                       {"Black", "", "B"}};
    return kList;
}

const FinishCatalogue& PreGalvFinishes() {
    static const FinishCatalogue kList{{"Pre-Galvanized", "", "G"}};
    return kList;
}

const FinishCatalogue& PanelFinishes() {
    static const FinishCatalogue kList{
        {"Galvalume Plus", "Galv. Plus", "M"},
        {"26GA POLY Polar White", "Polar White", "W"},
        {"26GA POLY Brilliant White", "Brilliant White", "BW"},
        {"SMP Ash Gray", "Ash Gray", "AY"},
        {"SMP Aspen Green", "Aspen Green", "A"},
        {"SMP Aztec Gold", "Aztec Gold", "AD"},
        {"SMP Burnished Slate", "Bunished Slate", "BS"},
        {"SMP Burgundy", "Burgundy", "BY"},
        {"SMP Colonial Red", "Colonial Red", "CR"},
        {"SMP Colony Green", "Colony Green", "CG"},
        {"SMP Crimson Red", "Crimson Red", "R"},
        {"SMP Fern Green", "Fern Green", "FN"},
        {"SMP Hawaiian Blue", "Hawaiian Blue", "HB"},
        {"SMP Koko Brown", "Koko Brown", "KB"},
        {"SMP Light Stone", "Light Stone", "LS"},
        {"SMP Old Town Gray", "Old Town", "OT"},
        {"SMP Sahara Tan", "Sahara Tan", "ST"},
        {"SMP Surfsand", "Surfsand", "SS"},
        {"SMP Steel Gray", "Steel Gray", "SY"},
        {"26GA KYN Kelly Green", "Kelly Green", "KG"},
        {"26GA KYN Deep Blue", "Deep Blue", "DB"},
        {"26GA KYN River Teal", "River Teal", "RT"},
        {"KYN Ash Gray", "Ash Gray", "AY"},
        {"KYN Burnished Slate", "Burnished Slate", "BS"},
        {"KYN Colonial Red", "Colonial Red", "CR"},
        {"KYN Deep Blue", "Deep Blue", "DB"},
        {"KYN Hawaiian", "Hawaiian", "HB"},
        {"KYN Kelly Green", "Kelly Green", "KG"},
        {"KYN Light Stone", "Light Stone", "LS"},
        {"KYN Polar White", "Polar White", "W"},
        {"KYN River Teal", "River Teal", "RT"},
        {"KYN Sahara", "Sahara", "ST"},
    };
    return kList;
}

const FinishCatalogue& OtherFinishes() {
    static const FinishCatalogue kList{{"", "", "_"},
                                       {"As Noted", "", "."},
                                       {"Red-Oxide", "", "P"},
                                       {"Pre-Galvanized", "", "G"},
                                       {"Hot Dip Galv.", "", "G"},
                                       {"Gray", "", "GP"}};
    return kList;
}

const FinishCatalogue& RodFinishes() {
    static const FinishCatalogue kList{
        {"", "", "_"}, {"As Noted", "", "."}, {"Red-Oxide", "", "P"}, {"Hot Dip Galv.", "", "G"}};
    return kList;
}

const FinishCatalogue& SetPageFinishes(std::string_view cadBase, std::string_view finishField) {
    const PageKind kind = PageKindOf(cadBase);
    if (kind == PageKind::Cable) {
        return EyeBoltFinishes();
    }
    if (IsClip(kind)) {
        return ClipFinishes();
    }
    if (IsHiTensile(kind)) {
        return EqualsNoCase(finishField, "Pre-Galvanized") ? PreGalvFinishes() : HitenFinishes();
    }
    if (kind == PageKind::Sheet) {
        return PanelFinishes();
    }
    if (kind == PageKind::Rods) {
        return RodFinishes();
    }
    if (IsFabricatedSteel(kind)) {
        return IronFinishes();
    }
    return OtherFinishes();
}

std::string GetFinishCode(const FinishCatalogue* pageFinishes, std::string_view finishIn) {
    if (pageFinishes == nullptr) {
        return {};
    }
    const clsFinish* finish = pageFinishes->Find(finishIn);
    return finish ? finish->Code : std::string();
}

std::string PageFinishCode(std::string_view cadBase, std::string_view finishField) {
    return GetFinishCode(&SetPageFinishes(cadBase, finishField), finishField);
}

std::string NormalizeFinishName(std::string_view name) {
    std::string plain;
    std::copy_if(name.begin(), name.end(), std::back_inserter(plain),
                 [](char c) { return c != '-'; });
    return ToUpper(Trim(plain));
}

std::optional<std::size_t> PreselectFinish(const FinishCatalogue& finishes,
                                           std::string_view finishField) {
    const std::string wanted = NormalizeFinishName(finishField);
    std::optional<std::size_t> match;
    for (std::size_t i = 0; i < finishes.Size(); ++i) {
        if (NormalizeFinishName(finishes.Entries()[i].LongName) == wanted) {
            match = i;
        }
    }
    return match;
}

UserMessage FinishNotModifiableMessage() {
    return {"The finish may not be modified for this waybill.", "Note", MessageIcon::None};
}

} // namespace waybill

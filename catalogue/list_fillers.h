#pragma once

// The catalogue offered as the design window's choices: the pipe-type list
// with the roughness that applies, the diameter list and the SDR list.
// Positions link the lists to the catalogue: type item p is type p + 1, the
// last two type items are the optimal pipes of class N and T; diameter item j
// is diameter j of the type, item 0 "dowolna" is any diameter.

#include <string>

#include "catalogue/catalogue.h"
#include "toolkit/controls.h"

namespace vexa {

inline constexpr const char* kOptimalClassN = "Rura optymalna - klasa N";
inline constexpr const char* kOptimalClassT = "Rura optymalna - klasa T";
inline constexpr const char* kAnyDiameter = "dowolna";

struct ListControls {
    ComboBox& Combo_Typ;
    ComboBox& ComboSred;
    ComboBox& ComboSDR;
    Label& Label9;
    Label& LabelSDR;
    EditField& Bkl;
    const RadioGroup& RadioGroup4;  // local losses: 0 small, 1 large
};

// What an item of the type list stands for: the items before the last two
// are the catalogue's types in file order, the last two the optimal pipes.
enum class TypeItem { None, CatalogueType, OptimalClassN, OptimalClassT };
TypeItem typeItemAt(const ComboBox& typeList, int position);
// Either optimal pipe.
bool isOptimalItem(const ComboBox& typeList, int position);

void Kombo_start(const Catalogue& catalogue, ListControls& lists);
void Kombo_Deszcz(const Catalogue& catalogue, ListControls& lists);  // rain water
void Kombo_Byt(const Catalogue& catalogue, ListControls& lists);     // domestic sewage
void SredLoad(const Catalogue& catalogue, ListControls& lists);

}  // namespace vexa

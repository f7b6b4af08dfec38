#pragma once

// Fixed texts of the design window that more than one reaction uses.

#include "toolkit/version.h"

namespace vexa::design_texts {

inline constexpr const char* kWindowCaption =
    " Ductora Polska S.A.                      Projektowanie sieci kanalizacji zewnętrznej   V" VEXA_VERSION;

// Captions of the diameter result field: Dz / Dw, or one diameter for the
// families listed by their inner diameter.
inline constexpr const char* kOuterAndInnerDiameter = " Średnice rury    Dz/Dw  [mm/mm]   ";
inline constexpr const char* kInnerDiameterOnly = " Średnica rury                  Dw [mm]   ";

// Results that would show as INF or NAN: inputs or catalogue values far
// beyond anything a sewer has.
inline constexpr const char* kResultNotFinite =
    "Dla podanych danych wyniki obliczeń nie są liczbami skończonymi.\r\n"
    "Sprawdź przepływ, spadek i wartości w katalogu rur.";

}  // namespace vexa::design_texts

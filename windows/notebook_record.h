#pragma once

// One saved calculation as a row of the results table: fifteen texts taken
// from the design window as it showed them, each cut to its capacity.

#include <array>

#include "toolkit/short_string.h"

namespace vexa {

struct Fwyn {
    ShortString<15> nazod;     // section name
    ShortString<50> typrury;   // pipe type
    ShortString<9> sciek;      // "deszcz." or "bytowe"
    ShortString<6> przeplyw;   // design flow Q [l/s]
    ShortString<6> spadek;     // resulting slope [per mille]
    ShortString<9> krytdob;    // pipe criterion: "brak", "P i O", "O", "P", "h/d=..%"
    ShortString<30> nrkat;     // catalogue number
    ShortString<15> srednice;  // diameters as shown
    ShortString<4> klasarury;  // pipe class
    ShortString<6> wspk;       // roughness k [mm]
    ShortString<6> wypeln;     // filling h/d [%]
    ShortString<6> predkosc;   // velocity [m/s]
    ShortString<6> naprez;     // shear stress tau [Pa]
    ShortString<4> krprzew;    // ventilation verdict "tak" / "nie"
    ShortString<4> krsam;      // self-cleaning verdict "tak" / "nie"

    bool operator==(const Fwyn&) const = default;
};

// The notebook holds at most this many calculations.
inline constexpr int kNotebookCapacity = 20;

// Record n (1-based) is Tw[n - 1]; only records 1 .. twind - 1 count.
using NotebookRecords = std::array<Fwyn, kNotebookCapacity>;

}  // namespace vexa

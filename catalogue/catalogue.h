#pragma once

// The pipe catalogue as read from the data file. Types and diameters are
// numbered from 1 in file order; every other part of the program uses these
// numbers. Text is UTF-8, cut to each field's capacity in characters.

#include <array>
#include <cstddef>
#include <string>

namespace vexa {

inline constexpr int kMaxTypes = 40;
inline constexpr int kMaxDiameters = 30;
inline constexpr int kMaxOptimisationEntries = 10;
inline constexpr int kMaxSdrValues = 8;

inline constexpr std::size_t kNazwaCapacity = 40;
inline constexpr std::size_t kKlasaCapacity = 4;
inline constexpr std::size_t kKodCapacity = 30;
inline constexpr std::size_t kOptimisationNameCapacity = 40;

// One diameter of a pipe type, in millimetres.
struct Podrura {
    double dout = 0;  // outer diameter Dz
    double din = 0;   // inner diameter Dw (derived from the SDR for class "SDR")
    std::string kod;  // catalogue number
};

// One pipe type. Roughness values in millimetres.
struct Rura_1 {
    std::string nazwa;  // as shown in the type list, class part included
    std::string klasa;  // "L", "N", "T" or "SDR"
    double k1 = 0;      // rain water, small local losses
    double k2 = 0;      // rain water, large local losses
    double k3 = 0;      // domestic sewage, small local losses
    double k4 = 0;      // domestic sewage, large local losses
    int ilosc_sred = 0;
    std::array<Podrura, kMaxDiameters> sred;

    Podrura& diameter(int number) { return sred.at(number - 1); }
    const Podrura& diameter(int number) const { return sred.at(number - 1); }

    // Pipes sold by their nominal inside size, which DOUT holds: the window
    // shows that one size as their "Dw" instead of outer / inner.
    bool listedByInsideSize() const {
        return nazwa.find("PE-HD") != std::string::npos || nazwa.find("ZORKA") != std::string::npos;
    }
};

// The candidates of the optimal-pipe search and the best pipe of the last one.
struct opti_struct {
    int ilosc = 0;
    std::array<std::string, kMaxOptimisationEntries> nazwy;  // name fragments
    std::array<int, kMaxOptimisationEntries> nr_typu{};      // linked type numbers, 0 = none
    int opt_typ = 0;
    int opt_sred = 0;
    double opt_hnd = 0;
    double opt_vwy = 0;
    double opt_i = 0;
    double opt_tau = 0;
    bool opt_err_tau = false;
    bool opt_err_hd = false;
};

struct SdrList {
    int ilosc = 0;
    std::array<double, kMaxSdrValues> wartosc{};  // in file order
};
using sdr_pe_struct = SdrList;  // SDR values of PE pipes
using sdr_pp_struct = SdrList;  // SDR values of the other SDR-class pipes

struct Catalogue {
    std::array<Rura_1, kMaxTypes> r;
    int ilosc_typow = 0;
    int r_ind = 0;
    opti_struct tabopti;
    sdr_pe_struct sdrpe;
    sdr_pp_struct sdrpp;
    double dout_max = 0;  // [mm] above this outer diameter ...
    double sdr_max = 0;   // ... the SDR may not fall below this value

    Rura_1& type(int number) { return r.at(number - 1); }
    const Rura_1& type(int number) const { return r.at(number - 1); }
};

}  // namespace vexa

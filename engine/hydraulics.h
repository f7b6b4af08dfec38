#pragma once

// Hydraulics of one circular pipe flowing partly full under gravity:
// Colebrook-White full-pipe flow and fixed partial-filling curves. Pure
// functions; the order of every operation is part of the result.
//
// Units: d, k [m]; i [fraction]; q, Q100 [l/s]; V100, v [m/s]; h [% of d];
// tau [Pa].

#include <array>

#include "toolkit/extended.h"

namespace vexa {

// Velocity at filling n % in % of the full-pipe velocity (element n - 1).
extern const std::array<extended, 100> vnv;
// Hydraulic radius at filling n % in % of the full-pipe radius d/4 (element n - 1).
extern const std::array<extended, 100> rnr;

extended Przeplyw100(extended d, extended k, extended i);
extended Predkosc100(extended d, extended Q100);
// Requires q < Q100. The filling is the first grid step (x = 0.01, 0.02, ...
// accumulated in extended arithmetic) whose flow ratio reaches q / Q100.
extended Obl_wypelnienie(extended q, extended Q100);
extended Obl_Vwy(extended h, extended V100);
extended Obl_tau(extended h, extended d, extended i);

// The partial-filling flow ratio r(x) = Q(x)/Q100 at x = h/d.
extended fillingFlowRatio(extended x);

}  // namespace vexa

#pragma once

// Hydraulics of one circular pipe flowing partly full under gravity:
// Colebrook-White full-pipe flow and fixed partial-filling curves. Pure
// functions; the order of every operation is part of the result.
//
// Units: d, k [m]; i [fraction]; q, Q100 [l/s]; V100, v [m/s]; h [% of d];
// tau [Pa].

#include <array>

#include "engine/hydraulics_inline.h"
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

// One examined pipe as the searches examine it, thousands of times a search:
// the steps above with the parts that depend on the pipe alone taken once
// per diameter (pipeConstants) and those of the slope alone once per slope
// (tauFactor). The results have the very bits of the steps above:
//   qm  == Przeplyw100(d, k, i)
//   hnd == Obl_wypelnienie(q, qm)
//   vwy == Obl_Vwy(hnd, Predkosc100(d, qm))
//   tau == Obl_tau(hnd, d, i)
struct PipeConstants {
    extended d;          // inner diameter [m]
    extended roughness;  // k / (3.71 d)
    extended area4;      // pi d^2
};
PipeConstants pipeConstants(extended d, extended k);
extended tauFactor(extended i);  // 9.81 i 1000

struct PipeHydraulics {
    extended qm = 0, hnd = 0, vwy = 0, tau = 0;
};
// The examined pipe in its parts, for searches that judge most pipes by
// their filling alone and finish only the pipes they keep:
inline extended fullFlow(const PipeConstants& pipe, extended i) {
    return detail::fullPipeFlow(pipe.d, i, pipe.roughness);
}
using FillingStep = detail::FillingStep;
// Requires q < qm.
inline const FillingStep& fillingOf(extended q, extended qm) { return detail::fillingStep(q, qm); }
// For q >= 1 and slopes where the full-pipe flow rises with the slope: the
// largest shares the filling of q can take between two slopes of full-pipe
// flows qmLow < qmHigh (q < qmHigh). Finished with them at qmHigh and the
// higher slope, a pipe's shear stress and velocity are at least those of any
// slope between: every operation of finishPipe keeps the order of its inputs.
inline FillingStep largestShares(extended q, extended qmLow, extended qmHigh) {
    return detail::largestShares(q, qmLow, qmHigh);
}
inline void finishPipe(const PipeConstants& pipe, extended qm, extended tauFactorOfI, const FillingStep& filling,
                       PipeHydraulics& out) {
    out.qm = qm;
    out.hnd = filling.h;
    out.vwy = detail::fullPipeVelocity(qm, pipe.area4) * filling.velocityShare;
    out.tau = tauFactorOfI * pipe.d / 4 * filling.radiusShare;
}

// The whole examined pipe. False when even the full pipe carries no more
// than q; only qm is then set.
inline bool examinePipe(const PipeConstants& pipe, extended i, extended tauFactorOfI, extended q, PipeHydraulics& out) {
    out.qm = fullFlow(pipe, i);
    if (q >= out.qm) return false;
    finishPipe(pipe, out.qm, tauFactorOfI, fillingOf(q, out.qm), out);
    return true;
}

}  // namespace vexa

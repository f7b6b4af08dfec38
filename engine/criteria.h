#pragma once

#include "engine/engine_context.h"

namespace vexa {

// Judges the examined pipe (d, hnd, vwy, tau): err_tau when the shear stress
// does not exceed taumin or the velocity does not exceed 0.71 m/s; err_hd
// when the filling reaches the ventilation limit. For domestic sewage the
// limit is 60 % up to d = 0.315 m, 70 % up to 0.5 m and 80 % above; rain
// water has none, unless the user gives one (pipe criterion 4).
void Err_hd_tau_control(EngineContext& context);
// The two halves of that judgement, inline for the searches' inner loop.
inline bool failsSelfCleaning(extended tau, extended vwy, extended taumin) { return tau <= taumin || vwy <= 0.71L; }
inline bool failsVentilation(extended hnd, extended fillingLimit) { return hnd >= fillingLimit; }
// The judgement of the examined pipe in the state, its filling limit given.
inline void judgeExaminedPipe(DesignState& state, extended fillingLimit) {
    state.err_tau = failsSelfCleaning(state.tau, state.vwy, state.taumin);
    state.err_hd = failsVentilation(state.hnd, fillingLimit);
}

// The ventilation limit as the window's choices set it, read once so that a
// search can judge its pipes without reading the controls again.
struct FillingLimitRule {
    bool domestic = false;                // sewage kind 2
    bool userGiven = false;               // pipe criterion 4, with the user's limit
    extended userLimit = 0;               // Bwyp [%]
    extended limitFor(extended d) const;  // h/d max [%] of the inner diameter d [m]
};
FillingLimitRule fillingLimitRule(const EngineContext& context);

// The SDR of the plastic pipes that the optimal pipe of class N (true) or
// class T (false) chooses among: 33 and 23,4.
extended optimalClassSdr(bool classN);

// Sets sdr from the SDR list (moving its selection back to thinner walls
// while a chosen diameter above dout_max needs it), or to the SDR of an
// optimal item.
void Okresl_sdr(EngineContext& context);

}  // namespace vexa

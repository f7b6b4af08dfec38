#pragma once

#include "engine/engine_context.h"

namespace vexa {

// Judges the examined pipe (d, hnd, vwy, tau): err_tau when the shear stress
// does not exceed taumin or the velocity does not exceed 0.71 m/s; err_hd
// when the filling reaches the ventilation limit. For domestic sewage the
// limit is 60 % up to d = 0.315 m, 70 % up to 0.5 m and 80 % above; rain
// water has none, unless the user gives one (pipe criterion 4).
void Err_hd_tau_control(EngineContext& context);

// Sets sdr from the SDR list (moving its selection back to thinner walls
// while a chosen diameter above dout_max needs it), or to the fixed SDR of an
// optimal item: 33 for class N, 23.4 for class T.
void Okresl_sdr(EngineContext& context);

}  // namespace vexa

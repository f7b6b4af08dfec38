#pragma once

#include "engine/engine_context.h"

namespace vexa {

// The optimal pipe of the selected class among the types of the optimisation
// table: the search runs once per candidate type (a candidate linked to no
// type is skipped), and the best pipe goes into tabopti. Both return 1 when a
// candidate yielded a pipe, else 0; the design state then belongs to the
// last candidate searched.

// Constant slope: the smallest inner diameter wins; on a tie the earlier one.
int New_opti_const(EngineContext& context);

// Slope minimisation: the smallest catalogue outer diameter wins.
int New_opti_min(EngineContext& context);

}  // namespace vexa

#pragma once

#include "engine/engine_context.h"

namespace vexa {

// Both searches walk the diameters of type `rurtyp` (all of them, or only the
// one chosen in the diameter list) in list order and stop at the first that
// carries Q and meets the pipe criterion. They return its 1-based number, or
// 0, and leave the hydraulics of the last pipe that carried the flow in the
// design state.

// At the slope i.
int Obl_iconst(EngineContext& context);

// At the slopes Bistart, Bistart + 0.1, ... per mille while not above Bistop
// (the first always); i holds the slope of the result.
int Obl_imin(EngineContext& context);

}  // namespace vexa

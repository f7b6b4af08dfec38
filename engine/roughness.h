#pragma once

#include "engine/engine_context.h"

namespace vexa {

// Sets k [m] for the type `rurtyp`, the sewage kind and the local losses:
// k1 / k2 for rain water with small / large losses, k3 / k4 for domestic
// sewage. 0 while `rurtyp` is not a catalogue type (an optimal item).
void Lista(EngineContext& context);

}  // namespace vexa

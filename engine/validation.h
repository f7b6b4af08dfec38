#pragma once

#include <string>

#include "engine/engine_context.h"

namespace vexa {

// Empties the result fields, checks the inputs in a fixed order and shows the
// first problem in the error box (false). A typed decimal point becomes the
// decimal comma in the field. A text that is still no number throws
// ConversionError.
bool Przygotowanie_pol(EngineContext& context);

// The message of a failure code; 1: no pipe meets the conditions.
std::string Error_Text(int code);

}  // namespace vexa

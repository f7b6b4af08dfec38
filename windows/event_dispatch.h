#pragma once

#include <functional>

#include "toolkit/platform_services.h"

namespace vexa {

// The one place where a user action enters the program. The action runs to
// its end; a conversion, file or print error it raises ends it and is shown
// in the standard error box, and everything it had not yet done stays undone.
void runUserAction(PlatformServices& platform, const std::function<void()>& action);

}  // namespace vexa

#pragma once

#include <functional>

#include "toolkit/platform_services.h"

namespace vexa {

// The one place where a user action enters the program. The action runs to
// its end; a conversion, file or print error it raises ends it and is shown
// in the standard error box, and everything it had not yet done stays undone.
// Any other exception is a fault of the program: `undo` puts back what the
// action may have left half-done, and the box shows the exception's text.
void runUserAction(PlatformServices& platform, const std::function<void()>& action,
                   const std::function<void()>& undo = {});

inline constexpr const char* kUnexpectedErrorPrefix = "Nieoczekiwany błąd programu: ";

}  // namespace vexa

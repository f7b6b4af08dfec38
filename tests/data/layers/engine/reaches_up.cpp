// An engine file that reaches up into the windows: the layer check must refuse it.
#include "windows/program.h"
#include <windows/design_window.h>
#include "toolkit/text.h"

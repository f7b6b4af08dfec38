#include "engine/design_state.h"

namespace vexa {

void DesignState::setWindowStartValues() {
    odc_number = 1;
    taumin = 1.5L;  // storm water, recommended: the sewage kind selected at start
    sdr = 41;       // the first item of the SDR list
    mempusty = true;
    obliczone = false;
    twind = 1;
    do_flow = false;
}

}  // namespace vexa

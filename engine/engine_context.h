#pragma once

// What the engine functions work on: the catalogue, the design state, and the
// design window's controls that they read and write (selected items, texts).
// The engine sees the controls as toolkit models, never the window itself.

#include <stdexcept>

#include "catalogue/catalogue.h"
#include "engine/design_state.h"
#include "toolkit/controls.h"
#include "toolkit/platform_services.h"

namespace vexa {

struct DesignControls {
    ComboBox& Combo_Typ;      // pipe type; the last two items are the optimal pipes
    ComboBox& ComboSred;      // diameter; item 0 "dowolna"
    ComboBox& ComboSDR;       // SDR, visible for class "SDR" types only
    RadioGroup& RadioGroup1;  // sewage kind: 0, 1 rain water, 2 domestic
    RadioGroup& RadioGroup2;  // slope criterion: 0 keep, 1 minimise
    RadioGroup& RadioGroup3;  // pipe criterion 0 .. 4
    RadioGroup& RadioGroup4;  // local losses: 0 small, 1 large
    EditField& Bqwe;          // flow Q [l/s]
    EditField& Bimin;         // slope [per mille]
    EditField& Bistart;       // slope range of the minimisation [per mille]
    EditField& Bistop;
    EditField& Bwyp;  // the user's h/d max [%]
    // Result fields, emptied before every calculation
    EditField& Bd;
    EditField& Bnrkat;
    EditField& Bkl;
    EditField& Bk;
    EditField& Bi;
    EditField& Bh;
    EditField& Br;
    EditField& Bv;
    EditField& Bws;
    EditField& Bwp;
};

struct EngineContext {
    Catalogue& catalogue;
    DesignState& state;
    DesignControls controls;
    PlatformServices& platform;
    long examinedPipes = 0;  // by the calculation under way, for its progress reports
};

// A calculation stopped before its end (cancelled, or past a time limit);
// the text says why. It ends like a calculation without result.
class CalculationStopped : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace vexa

#pragma once

// The inputs, working values and results of the current calculation, with the
// flags and counters that tie it to the notebook. One per program.

#include <string>

#include "toolkit/extended.h"

namespace vexa {

// What ties the design window to its notebook from one save to the next;
// kept and restored as a whole.
struct NotebookCounters {
    int twind = 0;          // next free notebook record, 1 (empty) .. 21 (full)
    bool mempusty = false;  // the notebook is empty
    int odc_number = 0;     // number in the default section name "Odcinek nr N"
    std::string podtyp;     // pipe-type item text at the last save
    std::string styp;       // sewage-kind text at the last save
};

struct DesignState : NotebookCounters {
    // Inputs
    int rurtyp = 0;       // pipe type number; ilosc_typow + 1 / + 2 are the optimal items
    extended Q = 0;       // design flow [l/s]
    extended i = 0;       // slope [fraction]
    extended k = 0;       // wall roughness [m]
    extended taumin = 0;  // minimum wall shear stress of the self-cleaning criterion [Pa]
    extended sdr = 0;     // SDR of class "SDR" pipes

    // Working values and results of the pipe examined last
    int start = 0;         // first diameter number of the last search
    int stop = 0;          // last diameter number of the last search
    extended d = 0;        // inner diameter [m]
    extended qm = 0;       // full-pipe flow [l/s]
    extended hnd = 0;      // filling h/d [%], unrounded
    extended vwy = 0;      // velocity at the filling [m/s]
    extended tau = 0;      // wall shear stress [Pa]
    bool err_tau = false;  // self-cleaning criterion NOT met
    bool err_hd = false;   // ventilation criterion NOT met

    // Flags; the notebook counters come with NotebookCounters
    bool obliczone = false;  // a calculation succeeded since the last save
    bool do_flow = false;    // the next run keeps the slope (parametric window)

    NotebookCounters& notebookCounters() { return *this; }
    const NotebookCounters& notebookCounters() const { return *this; }

    // The values the design window sets when it is created; everything else
    // keeps its process-start value (zero, false, empty).
    void setWindowStartValues();
};

}  // namespace vexa

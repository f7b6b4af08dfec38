#include "engine/slope_search.h"

#include "engine/criteria.h"
#include "engine/hydraulics.h"
#include "toolkit/numbers.h"

namespace vexa {
namespace {

// One search: the type, the criterion and the diameter range it walks.
class DiameterWalk {
public:
    explicit DiameterWalk(EngineContext& context)
        : context_(context), state_(context.state) {
        Okresl_sdr(context);
        criterion_ = context.controls.RadioGroup3.ItemIndex();
        const int chosen = context.controls.ComboSred.ItemIndex();
        if (chosen != 0) {
            state_.start = state_.stop = chosen;
        } else {
            state_.start = 1;
            state_.stop = context.catalogue.type(state_.rurtyp).ilosc_sred;
        }
    }

    // The first accepted diameter at the current slope, or 0.
    int firstAccepted() {
        for (int number = state_.start; number <= state_.stop; ++number)
            if (accepts(number)) return number;
        return 0;
    }

    // A filling above 100 % carries nothing.
    int result(int found) const { return state_.hnd > 100 ? 0 : found; }

private:
    bool accepts(int number) {
        const Rura_1& type = context_.catalogue.type(state_.rurtyp);
        const Podrura& pipe = type.diameter(number);
        if (type.klasa == "SDR")
            state_.d = 0.001L * pipe.dout - (2 * pipe.dout * 0.001L) / state_.sdr;
        else
            state_.d = pipe.din * 0.001L;

        state_.qm = Przeplyw100(state_.d, state_.k, state_.i);
        const extended fullVelocity = Predkosc100(state_.d, state_.qm);
        if (state_.Q >= state_.qm) return false;  // too small even when full

        state_.hnd = Obl_wypelnienie(state_.Q, state_.qm);
        state_.vwy = Obl_Vwy(state_.hnd, fullVelocity);
        state_.tau = Obl_tau(state_.hnd, state_.d, state_.i);
        Err_hd_tau_control(context_);

        switch (criterion_) {
            case 0: return true;
            case 1: return !state_.err_tau && !state_.err_hd;
            case 2: return !state_.err_tau;
            case 3:
            case 4: return !state_.err_hd;
            default: return false;
        }
    }

    EngineContext& context_;
    DesignState& state_;
    int criterion_ = 0;
};

}  // namespace

int Obl_iconst(EngineContext& context) {
    DiameterWalk walk(context);
    return walk.result(walk.firstAccepted());
}

int Obl_imin(EngineContext& context) {
    DiameterWalk walk(context);
    const extended lowest = parseNumber(context.controls.Bistart.Text) * 0.001L;
    const extended highest = parseNumber(context.controls.Bistop.Text) * 0.001L;
    DesignState& state = context.state;
    state.i = lowest;
    int found = 0;
    for (;;) {
        found = walk.firstAccepted();
        if (found != 0) break;
        state.i = state.i + 0.0001L;
        if (state.i > highest) break;
    }
    return walk.result(found);
}

}  // namespace vexa

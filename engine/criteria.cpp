#include "engine/criteria.h"

#include "toolkit/numbers.h"

namespace vexa {

void Err_hd_tau_control(EngineContext& context) {
    DesignState& state = context.state;
    const DesignControls& controls = context.controls;
    extended hmax = 60;
    if (state.d > 0.315L) hmax = 70;
    if (state.d > 0.5L) hmax = 80;
    if (controls.RadioGroup1.ItemIndex() != 2) hmax = 101;
    if (controls.RadioGroup3.ItemIndex() == 4) hmax = parseNumber(controls.Bwyp.Text);
    state.err_tau = state.tau <= state.taumin || state.vwy <= 0.71L;
    state.err_hd = state.hnd >= hmax;
}

void Okresl_sdr(EngineContext& context) {
    DesignState& state = context.state;
    DesignControls& controls = context.controls;
    const int count = controls.Combo_Typ.Count();
    const int selected = controls.Combo_Typ.ItemIndex();

    if (controls.ComboSDR.Visible) {
        ComboBox& sdrList = controls.ComboSDR;
        // An empty SDR list (a catalogue without SDR values) leaves sdr as it is.
        if (sdrList.ItemIndex() < 0) return;
        const int diameter = controls.ComboSred.ItemIndex();
        const extended outer = diameter > 0 ? parseNumber(controls.ComboSred.Items[diameter]) : 0;
        state.sdr = parseNumber(sdrList.Text());
        // Stops at the first entry: the catalogue is expected to start each
        // list at or above sdr_max.
        while (outer > context.catalogue.dout_max && state.sdr < context.catalogue.sdr_max &&
               sdrList.ItemIndex() > 0) {
            sdrList.setItemIndex(sdrList.ItemIndex() - 1);
            state.sdr = parseNumber(sdrList.Text());
        }
    } else if (selected == count - 2) {
        state.sdr = 33;
    } else if (selected == count - 1) {
        state.sdr = 23.4L;
    }
}

}  // namespace vexa

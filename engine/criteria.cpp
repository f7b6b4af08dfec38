#include "engine/criteria.h"

#include "catalogue/design_choices.h"
#include "catalogue/list_fillers.h"
#include "toolkit/numbers.h"

namespace vexa {

FillingLimitRule fillingLimitRule(const EngineContext& context) {
    const DesignControls& controls = context.controls;
    FillingLimitRule rule;
    rule.domestic = controls.RadioGroup1.ItemIndex() == sewage_kind::kDomestic;
    rule.userGiven = controls.RadioGroup3.ItemIndex() == pipe_criterion::kGivenFilling;
    if (rule.userGiven) rule.userLimit = parseNumber(controls.Bwyp.Text);
    return rule;
}

extended FillingLimitRule::limitFor(extended d) const {
    extended hmax = 60;
    if (d > 0.315L) hmax = 70;
    if (d > 0.5L) hmax = 80;
    if (!domestic) hmax = 101;
    if (userGiven) hmax = userLimit;
    return hmax;
}

void Err_hd_tau_control(EngineContext& context) {
    judgeExaminedPipe(context.state, fillingLimitRule(context).limitFor(context.state.d));
}

void Okresl_sdr(EngineContext& context) {
    DesignState& state = context.state;
    DesignControls& controls = context.controls;
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
        while (outer > context.catalogue.dout_max && state.sdr < context.catalogue.sdr_max && sdrList.ItemIndex() > 0) {
            sdrList.setItemIndex(sdrList.ItemIndex() - 1);
            state.sdr = parseNumber(sdrList.Text());
        }
    } else if (isOptimalItem(controls.Combo_Typ, selected)) {
        state.sdr = optimalClassSdr(typeItemAt(controls.Combo_Typ, selected) == TypeItem::OptimalClassN);
    }
}

extended optimalClassSdr(bool classN) { return classN ? 33 : 23.4L; }

}  // namespace vexa

#include "engine/roughness.h"

#include "catalogue/design_choices.h"

namespace vexa {

void Lista(EngineContext& context) {
    DesignState& state = context.state;
    const int number = state.rurtyp;
    if (number < 1 || number > context.catalogue.ilosc_typow) {
        state.k = 0;
        return;
    }
    const Rura_1& type = context.catalogue.type(number);
    const bool domestic = context.controls.RadioGroup1.ItemIndex() == sewage_kind::kDomestic;
    const bool largeLosses = context.controls.RadioGroup4.ItemIndex() == local_losses::kLarge;
    const double millimetres = domestic ? (largeLosses ? type.k4 : type.k3) : (largeLosses ? type.k2 : type.k1);
    state.k = millimetres * 0.001L;
}

}  // namespace vexa

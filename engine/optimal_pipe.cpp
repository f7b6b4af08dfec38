#include "engine/optimal_pipe.h"

#include "engine/roughness.h"
#include "engine/slope_search.h"

namespace vexa {
namespace {

void keepBest(EngineContext& context, int diameter) {
    const DesignState& state = context.state;
    opti_struct& table = context.catalogue.tabopti;
    table.opt_typ = state.rurtyp;
    table.opt_sred = diameter;
    table.opt_hnd = static_cast<double>(state.hnd);
    table.opt_vwy = static_cast<double>(state.vwy);
    table.opt_i = static_cast<double>(state.i);
    table.opt_tau = static_cast<double>(state.tau);
    table.opt_err_tau = state.err_tau;
    table.opt_err_hd = state.err_hd;
}

// Runs `search` for each candidate and keeps the one whose `size` is
// smallest. `beforeEach` runs before every candidate, linked or not.
template <typename Search, typename Size, typename BeforeEach>
int chooseOptimal(EngineContext& context, double best, Search search, Size size, BeforeEach beforeEach) {
    opti_struct& table = context.catalogue.tabopti;
    table.opt_typ = 0;
    table.opt_sred = 0;
    if (table.ilosc <= 0) return 0;
    for (int entry = 1; entry <= table.ilosc; ++entry) {
        beforeEach();
        const int type = table.nr_typu.at(entry - 1);
        if (type == 0) continue;
        context.state.rurtyp = type;
        Lista(context);
        const int diameter = search(context);
        if (diameter == 0) continue;
        const double candidate = size(diameter);
        if (candidate < best) {
            best = candidate;
            keepBest(context, diameter);
        }
    }
    // A pipe found but not smaller than the starting bound (a diameter of
    // kilometres) was never kept: there is no pipe to show.
    return table.opt_typ != 0 ? 1 : 0;
}

}  // namespace

int New_opti_const(EngineContext& context) {
    ComboBox& diameters = context.controls.ComboSred;
    return chooseOptimal(
        context, 10000, Obl_iconst, [&](int) { return static_cast<double>(context.state.d); },
        [&] { diameters.setItemIndex(0); });
}

int New_opti_min(EngineContext& context) {
    ComboBox& diameters = context.controls.ComboSred;
    diameters.setItemIndex(0);
    return chooseOptimal(
        context, 100000, Obl_imin,
        [&](int diameter) { return context.catalogue.type(context.state.rurtyp).diameter(diameter).dout; }, [] {});
}

}  // namespace vexa

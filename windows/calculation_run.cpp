#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "catalogue/design_choices.h"
#include "engine/criteria.h"
#include "engine/optimal_pipe.h"
#include "engine/roughness.h"
#include "engine/slope_search.h"
#include "engine/validation.h"
#include "toolkit/numbers.h"
#include "windows/design_window.h"
#include "windows/design_window_texts.h"
#include "windows/parametric_link.h"
#include "windows/program.h"

// "Oblicz": one calculation from the inputs to the formatted results.

namespace vexa {
namespace {

std::string yesNo(bool failed) { return failed ? "nie" : "tak"; }

// Tells the platform that the calculation has ended, however it ends.
class CalculationEnd {
public:
    explicit CalculationEnd(PlatformServices& platform) : platform_(platform) {}
    ~CalculationEnd() { platform_.calculationEnded(); }
    CalculationEnd(const CalculationEnd&) = delete;
    CalculationEnd& operator=(const CalculationEnd&) = delete;

private:
    PlatformServices& platform_;
};

// Outer diameter less two walls of the SDR, as the diameter list shows numbers.
extended sdrInnerDiameter(double outer, extended sdr) { return outer - 2 * outer / sdr; }

}  // namespace

void TForm1::Button1Click() {
    DesignState& state = program_.state();
    state.rurtyp = Combo_Typ.ItemIndex() + 1;
    state.obliczone = false;
    shown_ = {};
    // The parametric window's request to keep the slope serves this run
    // alone, also when the run stops at its inputs.
    const bool fromSlider = state.do_flow;
    state.do_flow = false;
    if (!Przygotowanie_pol(engine_)) return;

    state.i = parseNumber(Bimin.Text) * 0.001L;
    state.Q = parseNumber(Bqwe.Text);
    Lista(engine_);

    const bool optimal = isOptimalItem(Combo_Typ, Combo_Typ.ItemIndex());
    const bool keepSlope = fromSlider || RadioGroup2.ItemIndex() == slope_criterion::kKeep;
    int found = 0;
    try {
        const CalculationEnd end(program_.platform());
        engine_.examinedPipes = 0;
        if (optimal)
            found = keepSlope ? New_opti_const(engine_) : New_opti_min(engine_);
        else
            found = keepSlope ? Obl_iconst(engine_) : Obl_imin(engine_);
    } catch (const CalculationStopped& stopped) {
        return program_.platform().showError(stopped.what());
    }

    if (found == 0) {
        if (parametric_ && parametric_->isVisible())
            parametric_->showLimitsNotice(true);
        else
            program_.platform().showError(Error_Text(1));
        return;
    }
    if (!resultIsFinite(optimal)) return program_.platform().showError(design_texts::kResultNotFinite);
    showResults(found, optimal);
    state.obliczone = true;
    if (parametric_ && parametric_->isVisible()) parametric_->showLimitsNotice(false);
}

bool TForm1::resultIsFinite(bool optimal) const {
    const DesignState& state = program_.state();
    const opti_struct& table = program_.catalogue().tabopti;
    const std::array<extended, 6> shown =
        optimal ? std::array<extended, 6>{table.opt_hnd, table.opt_vwy, table.opt_i, table.opt_tau, state.k, state.sdr}
                : std::array<extended, 6>{state.hnd, state.vwy, state.i, state.tau, state.k, state.sdr};
    return std::all_of(shown.begin(), shown.end(), [](extended value) { return std::isfinite(value); });
}

void TForm1::showResults(int found, bool optimal) {
    DesignState& state = program_.state();
    const Catalogue& catalogue = program_.catalogue();
    const opti_struct& table = catalogue.tabopti;
    const bool classN = typeItemAt(Combo_Typ, Combo_Typ.ItemIndex()) == TypeItem::OptimalClassN;

    int diameter = found;
    if (optimal) {
        state.rurtyp = table.opt_typ;
        diameter = table.opt_sred;
        Lista(engine_);
    }
    const Rura_1& type = catalogue.type(state.rurtyp);
    const Podrura& pipe = type.diameter(diameter);

    const std::string outer = formatFixed(pipe.dout, 4, 0);
    const bool sdrWall = optimal ? type.klasa == "SDR" : ComboSDR.Visible;
    const extended innerDiameter = sdrWall ? sdrInnerDiameter(pipe.dout, state.sdr) : pipe.din;
    const std::string inner = sdrWall ? formatFixed(innerDiameter, 4, 0) : formatGeneral(pipe.din);
    shown_ = {&type, &pipe, innerDiameter};

    Bnrkat.Text = " " + pipe.kod;
    if (optimal) {
        const bool sdrNumber = Bnrkat.Text.find("SDR") != std::string::npos;
        if (sdrNumber) Bnrkat.Text += formatGeneral(optimalClassSdr(classN));
        Bkl.Text = sdrNumber ? "SDR" : (classN ? "N" : "T");
    } else {
        if (ComboSDR.Visible) Bnrkat.Text += formatGeneral(state.sdr);
        Bkl.Text = type.klasa;
    }
    Bk.Text = formatFixedText(state.k * 1000, 2, 2);

    if (type.listedByInsideSize()) {
        Label2.Caption = design_texts::kInnerDiameterOnly;
        Bd.Text = outer;
    } else {
        Label2.Caption = design_texts::kOuterAndInnerDiameter;
        Bd.Text = outer + " / " + inner;
    }

    if (optimal) {
        state.hnd = table.opt_hnd;
        state.vwy = table.opt_vwy;
        state.i = table.opt_i;
        state.tau = table.opt_tau;
        state.err_tau = table.opt_err_tau;
        state.err_hd = table.opt_err_hd;
    }
    Bh.Text = formatFixedText(state.hnd, 2, 0);
    Bv.Text = formatFixedText(state.vwy, 2, 2);
    Bi.Text = formatFixedText(state.i * 1000, 3, 1);
    Br.Text = formatFixedText(state.tau, 2, 2);
    Bws.Text = yesNo(state.err_tau);
    Bwp.Text = yesNo(state.err_hd);
}

}  // namespace vexa

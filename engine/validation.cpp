#include "engine/validation.h"

#include "catalogue/design_choices.h"
#include "toolkit/numbers.h"

namespace vexa {
namespace {

void replaceFirstPoint(EditField& field) { field.Text = withDecimalComma(field.Text); }

}  // namespace

bool Przygotowanie_pol(EngineContext& context) {
    DesignControls& c = context.controls;
    for (EditField* result : {&c.Bd, &c.Bnrkat, &c.Bkl, &c.Bk, &c.Bi, &c.Bh, &c.Br, &c.Bv, &c.Bws, &c.Bwp})
        result->Clear();

    const bool givenFilling = c.RadioGroup3.ItemIndex() == pipe_criterion::kGivenFilling;
    const bool minimised = c.RadioGroup2.ItemIndex() == slope_criterion::kMinimise;
    const auto refuse = [&](const char* message) {
        context.platform.showError(message);
        return false;
    };

    if (c.Bqwe.Text.empty()) return refuse("Nie podano wartości przepływu Q");
    if (c.Bimin.Text.empty()) return refuse("Nie podano zadanego spadku");
    if (givenFilling && c.Bwyp.Text.empty()) return refuse("Nie podano zadanego wypełnienia");
    if (minimised && (c.Bistart.Text.empty() || c.Bistop.Text.empty()))
        return refuse("Nie wypełniono pól minimalizacji spadku");

    replaceFirstPoint(c.Bqwe);
    replaceFirstPoint(c.Bimin);
    if (givenFilling) replaceFirstPoint(c.Bwyp);
    if (minimised) {
        replaceFirstPoint(c.Bistart);
        replaceFirstPoint(c.Bistop);
    }

    if (parseNumber(c.Bqwe.Text) < 1) return refuse("Przepływ Q musi być większy od 1,0 [l/s]");
    if (parseNumber(c.Bimin.Text) < 0.5L) return refuse("Spadek musi być większy od 0,5 [‰]");
    if (givenFilling) {
        const extended filling = parseNumber(c.Bwyp.Text);
        if (filling < 1 || filling > 100) return refuse("Wypełnienie musi być zawarte w granicach 1-100%");
    }
    if (minimised && (parseNumber(c.Bistart.Text) < 0.5L || parseNumber(c.Bistop.Text) < 0.5L))
        return refuse("Zadany spadek musi być większy od 0,5 [‰]");
    return true;
}

std::string Error_Text(int code) {
    if (code == 1) return "W tej klasie rur nie można spełnić\r\npodanych warunków";
    return {};
}

}  // namespace vexa

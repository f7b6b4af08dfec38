#include <string>

#include "catalogue/design_choices.h"
#include "engine/criteria.h"
#include "toolkit/numbers.h"
#include "windows/design_window.h"
#include "windows/parametric_link.h"
#include "windows/program.h"

// Reactions of the design window to the user's choices before a calculation.

namespace vexa {

void TForm1::Combo_TypChange() {
    SredLoad(program_.catalogue(), lists_);
    if (isOptimalItem(Combo_Typ, Combo_Typ.ItemIndex())) program_.platform().showMessage(optimalExplanation());
}

std::string TForm1::optimalExplanation() const {
    const bool classN = typeItemAt(Combo_Typ, Combo_Typ.ItemIndex()) == TypeItem::OptimalClassN;
    const opti_struct& table = program_.catalogue().tabopti;
    std::string text = classN ? "Wybór rury optymalnej klasy N spośród typów:\r\n"
                              : "Wybór rury optymalnej klasy T spośród typów:\r\n";
    for (int entry = 1; entry < table.ilosc; ++entry) {
        const std::string& name = table.nazwy.at(entry - 1);
        text += "- " + name;
        if (name.find("KLOMEX") != std::string::npos) text += "   ( klasa T)";
        text += "\r\n";
    }
    if (table.ilosc > 0)
        text += "- " + table.nazwy.at(table.ilosc - 1) + "  (SDR=" + formatGeneral(optimalClassSdr(classN)) + ")";
    return text;
}

void TForm1::ComboSredChange() { Okresl_sdr(engine_); }

void TForm1::ComboSDRChange() { Okresl_sdr(engine_); }

void TForm1::RadioGroup1Click() { Zmiana_typu_sciekow(); }

void TForm1::Zmiana_typu_sciekow() {
    struct SewageKind {
        extended taumin;
        const char* selfCleaningItem;
    };
    static const SewageKind kinds[] = {
        {1.5L, "Dobór dla samooczyszczania ( tau > 1.5 [Pa]"},
        {2.5L, "Dobór dla samooczyszczania ( tau > 2.5 [Pa]"},
        {2.0L, "Dobór dla samooczyszczania ( tau > 2.0 [Pa]"},
    };
    const int kind = RadioGroup1.ItemIndex();
    if (kind < 0 || kind > sewage_kind::kDomestic) return;
    if (kind == sewage_kind::kDomestic)
        Kombo_Byt(program_.catalogue(), lists_);
    else
        Kombo_Deszcz(program_.catalogue(), lists_);
    program_.state().taumin = kinds[kind].taumin;
    RadioGroup3.Items.at(pipe_criterion::kSelfCleaning) = kinds[kind].selfCleaningItem;
}

void TForm1::RadioGroup3Click() {
    if (RadioGroup3.ItemIndex() == pipe_criterion::kGivenFilling) {
        Bwyp.Clear();
        Bwyp.Visible = true;
    } else {
        Bwyp.Visible = false;
    }
}

void TForm1::RadioGroup4Click() {
    const int item = RadioGroup4.ItemIndex();
    if (item < 0) return;
    if (parametric_) parametric_->selectLocalLosses(item);
    Zmiana_typu_sciekow();
}

}  // namespace vexa

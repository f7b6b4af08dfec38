#include "windows/design_window.h"

#include "catalogue/data_load.h"
#include "engine/engine_context.h"
#include "windows/design_window_texts.h"
#include "windows/notebook_texts.h"
#include "windows/parametric_link.h"
#include "windows/program.h"

namespace vexa {

TForm1::TForm1(Program& program)
    : program_(program),
      lists_{Combo_Typ, ComboSred, ComboSDR, Label9, LabelSDR, Bkl, RadioGroup4},
      // clang-format off
      engine_{program.catalogue(),
              program.state(),
              DesignControls{Combo_Typ, ComboSred, ComboSDR, RadioGroup1, RadioGroup2, RadioGroup3,
                             RadioGroup4, Bqwe, Bimin, Bistart, Bistop, Bwyp, Bd, Bnrkat, Bkl, Bk,
                             Bi, Bh, Br, Bv, Bws, Bwp},
              program.platform()} {
    // clang-format on
    layOut();
    connectReactions();
}

void TForm1::connectReactions() {
    // clang-format off
    Combo_Typ.OnChange = [this] { inputChanged(); Combo_TypChange(); };
    ComboSred.OnChange = [this] { inputChanged(); ComboSredChange(); };
    ComboSDR.OnChange = [this] { inputChanged(); ComboSDRChange(); };
    RadioGroup1.OnClick = [this] { inputChanged(); RadioGroup1Click(); };
    RadioGroup2.OnClick = [this] { inputChanged(); };
    RadioGroup3.OnClick = [this] { inputChanged(); RadioGroup3Click(); };
    RadioGroup4.OnClick = [this] { inputChanged(); RadioGroup4Click(); };
    for (EditField* input : {&Bqwe, &Bimin, &Bistart, &Bistop, &Bwyp}) input->OnChange = [this] { inputChanged(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button2.OnClick = [this] { Button2Click(); };
    Zapisz.OnClick = [this] { ZapiszClick(); };
    Notatnik.OnClick = [this] { NotatnikClick(); };
    Flow.OnClick = [this] { FlowClick(); };
    // clang-format on
}

// The results on screen stay, but they no longer belong to the inputs beside
// them: "Zapis" waits for the next calculation.
void TForm1::inputChanged() { program_.state().obliczone = false; }

// Opens the parametric window on the flow and slope typed here; any text
// will do, the window's show reaction reads it.
void TForm1::FlowClick() {
    if (Bqwe.Text.empty() || Bimin.Text.empty()) return program_.platform().showMessage("Wypełnij brakujące pola");
    if (parametric_) parametric_->show();
}

void TForm1::FormCreate() {
    DesignState& state = program_.state();
    Bwyp.Visible = false;
    for (EditField* field : {&Bqwe, &Bimin, &Bnazod, &Bd, &Bnrkat, &Bkl, &Bk, &Bv, &Bi, &Bh, &Br}) field->Clear();
    state.setWindowStartValues();
    Bnazod.Text = notebook_texts::defaultSectionName(state.odc_number);
    RadioGroup1.setItemIndex(0);
    ComboSDR.setItemIndex(0);
    ComboSDR.Visible = LabelSDR.Visible = false;
    RadioGroup2.setItemIndex(0);
    Bistart.Clear();
    Bistop.Clear();
    RadioGroup3.setItemIndex(0);
    Bwyp.Clear();
    Bwyp.Visible = false;
    Bws.Clear();
    Bwp.Clear();
    Memo1.Lines = notebook_texts::header();
}

void TForm1::FormShow() {
    const auto fill = [this] { fillLists(); };
    DataLoad(program_.catalogue(), program_.platform(), fill, program_.catalogueFile());
}

void TForm1::fillLists() {
    Kombo_start(program_.catalogue(), lists_);
    SredLoad(program_.catalogue(), lists_);
}

void TForm1::Button2Click() { program_.platform().terminate(); }

}  // namespace vexa

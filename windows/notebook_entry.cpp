#include <string>
#include <vector>

#include "catalogue/design_choices.h"
#include "toolkit/numbers.h"
#include "toolkit/text.h"
#include "windows/design_window.h"
#include "windows/notebook_texts.h"
#include "windows/program.h"

// "Zapis" and "Podgląd": the calculation on screen goes into the notebook as
// 21 lines of text and one row of the results table, everything taken as the
// window shows it; nothing is recomputed.

namespace vexa {
namespace {

struct PipeCriterion {
    const char* text;  // follows "Kryterium doboru: "
    const char* code;  // the results table's column
};

const PipeCriterion kPipeCriteria[] = {
    {" brak", "brak"},
    {" dobór dla samooczyszczania i przewietrzania:", "P i O"},
    {" dobór dla samooczyszczania:", "O"},
    {"dobór dla przewietrzania - normatywne h/d max:", "P"},
    {" dobór dla przewietrzania - zadane h/d max= ", "h/d="},  // + the given h/d max
};

const char* const kSewageKinds[] = {
    "Deszczowe zalecane  tau > 1.5 [Pa]",
    "Deszczowe normatywne  tau > 2.5 [Pa]",
    "Bytowo-gospodarcze  tau > 2.0 [Pa]",
};

const char* verdict(bool selfCleaningFailed, bool ventilationFailed) {
    if (selfCleaningFailed && ventilationFailed)
        return "Uwaga ! Otrzymane wyniki nie spełniają kryteriów samooczyszczania i przewietrzania.";
    if (selfCleaningFailed) return "Uwaga ! Otrzymane wyniki nie spełniają kryterium samooczyszczania.";
    if (ventilationFailed) return "Uwaga ! Otrzymane wyniki nie spełniają kryterium przewietrzania.";
    return "Otrzymane wyniki spełniają kryteria samooczyszczania i przewietrzania.";
}

// A notebook line is at most this long, the line break of the slope line
// included; the slope line is cut before its break, which always stays.
constexpr std::size_t kPieceLength = 90;

}  // namespace

void TForm1::ZapiszClick() {
    DesignState& state = program_.state();
    PlatformServices& platform = program_.platform();
    if (state.twind > kNotebookCapacity)
        return platform.showError("Pojemność notatnika została wyczerpana ( 20 wyliczeń )");
    if (Bnazod.Text.empty()) return platform.showError("Nie podano nazwy odcinka projektowego");
    if (!state.obliczone) return platform.showError("Nie przeprowadzono nowych obliczeń");

    state.podtyp = Combo_Typ.Text();
    const int sewage = RadioGroup1.ItemIndex();
    if (sewage >= 0 && sewage < 3) state.styp = kSewageKinds[sewage];

    const std::vector<std::string> pieces = notebookEntry();
    program_.Tw().at(static_cast<std::size_t>(state.twind - 1)) = notebookRecord();
    if (state.mempusty) Memo1.Lines = notebook_texts::header();
    for (const auto& piece : pieces) Memo1.Add(piece);

    state.mempusty = false;
    state.obliczone = false;
    ++state.twind;
    ++state.odc_number;
    program_.showNotebookWindow();
}

void TForm1::NotatnikClick() {
    if (program_.state().mempusty) return program_.platform().showError(notebook_texts::kEmpty);
    program_.showNotebookWindow();
}

// The 20 pieces of an entry; the slope piece ends in a line break, which
// makes the empty 11th line of the notebook.
std::vector<std::string> TForm1::notebookEntry() const {
    const DesignState& state = program_.state();
    const int criterion = RadioGroup3.ItemIndex();
    std::string criterionText;
    if (criterion >= 0 && criterion < 5) criterionText = kPipeCriteria[criterion].text;
    if (criterion == pipe_criterion::kGivenFilling) criterionText += Bwyp.Text + " [%]:";

    const std::string slopeRange =
        RadioGroup2.ItemIndex() == slope_criterion::kKeep
            ? "Wyniki dla niezmienianego spadku:"
            : "Wyniki dla minimalizacji spadku od " + Bistart.Text + " [‰] do " + Bistop.Text + " [‰]";
    const std::string diameters = Label2.Caption.find("Dz/Dw") != std::string::npos
                                      ? "Średnice rury  Dz/Dw = " + Bd.Text + " [mm] / [mm]"
                                      : "Średnica rury   Dw = " + Bd.Text + "  [mm]";

    std::vector<std::string> pieces = {
        "",
        "Odcinek projektowy \"" + Bnazod.Text + "\"",
        std::string(66, '-'),
        "Typ rury :   " + state.podtyp,
        "Średnica rury : " + ComboSred.Text(),
        "Typ ścieków : " + state.styp,
        RadioGroup4.ItemIndex() == local_losses::kSmall ? "Opory miejscowe : małe" : "Opory miejscowe : duże",
        "Kryterium doboru: " + criterionText,
        "Przepływ obliczeniowy      = " + withDecimalComma(Bqwe.Text) + " [l/s]",
        text::cut("Zadany spadek     = " + withDecimalComma(Bimin.Text) + " [‰]", kPieceLength - 2) + "\r\n",
        slopeRange,
        diameters,
        "Nr katalogowy Ductora " + Bnrkat.Text,
        "Klasa rury " + Bkl.Text,
        "Współczynnik k = " + Bk.Text + " [mm]",
        "Spadek    = " + withDecimalComma(Bi.Text) + " [‰]",
        "Wypełnienie kanału  h/d = " + withDecimalComma(Bh.Text) + " [%]",
        "Prędkość przy danym wypełnieniu = " + withDecimalComma(Bv.Text) + " [m/s]",
        "Naprężenie styczne    tau = " + withDecimalComma(Br.Text) + " [Pa]",
        verdict(state.err_tau, state.err_hd),
    };
    for (auto& piece : pieces) piece = text::cut(piece, kPieceLength);
    return pieces;
}

Fwyn TForm1::notebookRecord() const {
    const DesignState& state = program_.state();
    const int criterion = RadioGroup3.ItemIndex();
    std::string criterionCode;
    if (criterion >= 0 && criterion < 5) criterionCode = kPipeCriteria[criterion].code;
    if (criterion == pipe_criterion::kGivenFilling) criterionCode += Bwyp.Text + "%";

    Fwyn record;
    record.nazod = Bnazod.Text;
    record.typrury = state.podtyp;
    record.sciek = state.styp.find("Deszcz") != std::string::npos ? "deszcz." : "bytowe";
    record.przeplyw = withDecimalComma(Bqwe.Text);
    record.spadek = withDecimalComma(Bi.Text);
    record.krytdob = criterionCode;
    record.nrkat = Bnrkat.Text;
    record.srednice = Bd.Text;
    record.klasarury = Bkl.Text;
    record.wspk = withDecimalComma(Bk.Text);
    record.wypeln = withDecimalComma(Bh.Text);
    record.predkosc = withDecimalComma(Bv.Text);
    record.naprez = withDecimalComma(Br.Text);
    record.krprzew = Bwp.Text;
    record.krsam = Bws.Text;
    return record;
}

}  // namespace vexa

#pragma once

// TForm1, the design window, as plain C++: its controls are toolkit models,
// its reactions are methods.
//
//   user action ──> control model (userSelect / userType / userClick)
//                      │ reaction
//                      v
//   TForm1 reaction ──> list fillers (catalogue) ──> type, diameter, SDR lists
//         │
//         └──> engine (EngineContext: catalogue, design state, controls)
//                 validation ─> searches ─> criteria ─> hydraulics
//         <── results written into the read-only result fields
//
// A skin copies the models into real widgets after every reaction.

#include <string>
#include <vector>

#include "catalogue/list_fillers.h"
#include "engine/engine_context.h"
#include "toolkit/controls.h"
#include "windows/notebook_record.h"

namespace vexa {

class Program;
class ParametricLink;

class TForm1 {
public:
    explicit TForm1(Program& program);
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // Input panel
    Panel Panel1;
    Label Label3;
    RadioGroup RadioGroup1;  // sewage kind
    RadioGroup RadioGroup4;  // local losses
    Label Label7;
    ComboBox Combo_Typ;
    Label Label9;
    ComboBox ComboSred;
    Label LabelSDR;
    ComboBox ComboSDR;
    Label Label12;
    EditField Bqwe;
    Label Label10;
    EditField Bimin;
    RadioGroup RadioGroup2;  // slope criterion
    EditField Bistart;
    EditField Bistop;
    RadioGroup RadioGroup3;  // pipe criterion
    EditField Bwyp;

    // Result panel
    Panel Panel2;
    Label Label1;
    Label Label2;
    EditField Bd;
    Label Label6;
    EditField Bnrkat;
    Label Label16;
    EditField Bkl;
    Label Label5;
    EditField Bk;
    Label Label17;
    EditField Bi;
    Label Label14;
    EditField Bh;
    Label Label4;
    EditField Br;
    Label Label11;
    EditField Bv;
    Label Label13;
    EditField Bws;
    Label Label15;
    EditField Bwp;
    Label Label18;
    EditField Bnazod;

    // The rest
    Panel Panel3;  // holds the banner picture
    Memo Memo1;    // the notebook text, never visible
    Button Notatnik;
    Button Zapisz;
    Button Flow;
    Button Button1;  // "Oblicz", the default button
    Button Button2;  // "Koniec"

    std::string Caption;

    // Window reactions
    void FormCreate();
    void FormShow();
    // The type list and the diameter and SDR lists of the selected type, as
    // the catalogue has just been read.
    void fillLists();
    void Button2Click();

    // Calculation run ("Oblicz")
    void Button1Click();

    // Notebook: "Zapis" saves the calculation shown, "Podgląd" opens the notebook.
    void ZapiszClick();
    void NotatnikClick();
    void FlowClick();

    // Input reactions
    void Combo_TypChange();
    void ComboSredChange();
    void ComboSDRChange();
    void RadioGroup1Click();
    void RadioGroup3Click();
    void RadioGroup4Click();
    void Zmiana_typu_sciekow();

    // Set once the parametric window exists.
    void setParametricLink(ParametricLink* link) { parametric_ = link; }

    // The catalogue pipe whose results the fields show, with the inner
    // diameter [mm] they show for it (from the SDR for an SDR wall); no pipe
    // before the first result and from the start of every calculation.
    struct ShownPipe {
        const Rura_1* type = nullptr;
        const Podrura* pipe = nullptr;
        extended innerDiameter = 0;
    };
    const ShownPipe& shownPipe() const { return shown_; }

private:
    void layOut();
    void connectReactions();
    // Anything the calculation reads was changed by the user or the parametric window.
    void inputChanged();
    // Whether every value the results would show is a finite number.
    bool resultIsFinite(bool optimal) const;
    void showResults(int found, bool optimal);
    std::vector<std::string> notebookEntry() const;
    Fwyn notebookRecord() const;
    std::string optimalExplanation() const;

    Program& program_;
    ListControls lists_;
    EngineContext engine_;
    ParametricLink* parametric_ = nullptr;
    ShownPipe shown_;
};

}  // namespace vexa

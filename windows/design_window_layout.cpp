#include "windows/design_window.h"
#include "windows/design_window_texts.h"

// The window as it is built, before its creation reaction runs: positions and
// sizes in pixels within the parent, captions, items and hints.

namespace vexa {

void TForm1::layOut() {
    Caption = design_texts::kWindowCaption;

    Panel1.bounds = {15, 10, 334, 503};
    Label3.bounds = {16, 8, 0, 0};
    Label3.Caption = "                  Parametry  wejściowe                   ";
    RadioGroup1.bounds = {16, 32, 302, 81};
    RadioGroup1.Caption = "Wybór typu ścieków";
    // clang-format off
    RadioGroup1.Items = {"Deszczowe zalecane        ( tau > 1.5 [Pa] )",
                        "Deszczowe normatywne   ( tau > 2.5 [Pa] )",
                        "Bytowo - gospodarcze      ( tau > 2.0 [Pa] )"};
    // clang-format on
    RadioGroup4.bounds = {16, 120, 302, 33};
    RadioGroup4.Caption = "Opory miejscowe";
    RadioGroup4.Items = {"małe", "duże"};
    Label7.bounds = {16, 164, 0, 0};
    Label7.Caption = " Typ rury        ";
    Combo_Typ.bounds = {88, 160, 230, 21};
    Label9.bounds = {16, 196, 0, 0};
    Label9.Caption = " Średnica rury Dz [mm] ";
    ComboSred.bounds = {136, 192, 73, 21};
    LabelSDR.bounds = {224, 196, 0, 0};
    LabelSDR.Caption = "SDR";
    ComboSDR.bounds = {261, 192, 57, 21};
    ComboSDR.Items = {"41", "33", "27,6", "26", "22", "17,6", "17"};
    Label12.bounds = {16, 228, 0, 0};
    Label12.Caption = " Przepływ obliczeniowy Q [l/s]                            ";
    Bqwe.bounds = {261, 224, 57, 21};
    Label10.bounds = {16, 260, 0, 0};
    Label10.Caption = " Zadany spadek  [‰]                                          ";
    Bimin.bounds = {261, 256, 57, 21};
    RadioGroup2.bounds = {16, 280, 302, 65};
    RadioGroup2.Caption = "Kryteria doboru spadku";
    RadioGroup2.Items = {"Bez zmiany spadku", "Minimalizacja spadku  od                    do"};
    Bistart.bounds = {168, 316, 41, 21};
    Bistop.bounds = {240, 316, 41, 21};
    RadioGroup3.bounds = {16, 352, 302, 137};
    RadioGroup3.Caption = "Kryteria doboru rury";
    // clang-format off
    RadioGroup3.Items = {"Brak kryteriów",
                        "Dobór dla samooczyszczania i przewietrzania",
                        "Dobór dla samooczyszczania ( tau > 1.5 [Pa] )",
                        "Dobór dla przewietrzania przy normatywnym h/d max [%]",
                        "Dobór dla przewietrzania, gdy h/d max [%] ="};
    // clang-format on
    Bwyp.bounds = {256, 460, 41, 21};
    Label1.bounds = {16, 8, 0, 0};
    Label1.Caption = "                    Wyniki  obliczeń                ";
    Label2.bounds = {16, 36, 0, 0};
    Label2.Caption = design_texts::kOuterAndInnerDiameter;
    Bd.bounds = {192, 32, 81, 21};
    Label6.bounds = {16, 68, 0, 0};
    Label6.Caption = "  Nr kat. Ductora       ";
    Bnrkat.bounds = {120, 64, 153, 21};
    Label16.bounds = {16, 100, 0, 0};
    Label16.Caption = "  Klasa                                              ";
    Bkl.bounds = {216, 96, 57, 21};
    Label5.bounds = {16, 132, 0, 0};
    Label5.Caption = "  k  [mm]                                            ";
    Bk.bounds = {216, 128, 57, 21};
    Label17.bounds = {16, 164, 0, 0};
    Label17.Caption = "  Spadek  [‰]                                   ";
    Bi.bounds = {216, 160, 57, 21};
    Label14.bounds = {16, 196, 0, 0};
    Label14.Caption = "  Wypełnienie  h/d   [%]                    ";
    Bh.bounds = {216, 192, 57, 21};
    Label4.bounds = {16, 228, 0, 0};
    Label4.Caption = "  Naprężenie styczne  tau [Pa]          ";
    Br.bounds = {216, 224, 57, 21};
    Label11.bounds = {16, 260, 0, 0};
    Label11.Caption = "  Prędkość  [m/s]                              ";
    Bv.bounds = {216, 256, 57, 21};
    Label13.bounds = {16, 292, 0, 0};
    Label13.Caption = "  Warunek samooczyszczania          ";
    Bws.bounds = {216, 288, 57, 21};
    Label15.bounds = {16, 324, 0, 0};
    Label15.Caption = "  Warunek przewietrzania                 ";
    Bwp.bounds = {216, 320, 57, 21};
    Label18.bounds = {16, 356, 0, 0};
    Label18.Caption = "  Nazwa odcinka projektowego  ";
    Bnazod.bounds = {176, 352, 97, 21};
    Panel3.bounds = {370, 10, 288, 80};
    Memo1.bounds = {330, 435, 36, 26};
    Notatnik.bounds = {370, 488, 51, 25};
    Notatnik.Caption = "Podgląd";
    Notatnik.Hint = "Podgląd notatnika";
    Zapisz.bounds = {430, 488, 51, 25};
    Zapisz.Caption = "Zapis";
    Zapisz.Hint = "Zapis do notatnika wyników ( max. 20 )";
    Flow.bounds = {490, 488, 51, 25};
    Flow.Caption = "Flow";
    Flow.Hint = "Obliczenia parametryzowane";
    Button1.bounds = {550, 488, 51, 25};
    Button1.Caption = "Oblicz";
    Button1.Hint = "Start obliczeń";
    Button2.bounds = {609, 488, 51, 25};
    Button2.Caption = "Koniec";
    Button2.Hint = "Zakończenie programu";

    Panel2.bounds = {370, 95, 290, 385};
    for (EditField* result : {&Bd, &Bnrkat, &Bkl, &Bk, &Bi, &Bh, &Br, &Bv, &Bws, &Bwp}) result->ReadOnly = true;

    RadioGroup4.Columns = 2;
    RadioGroup1.setItemIndex(0);
    RadioGroup4.setItemIndex(0);
    RadioGroup2.setItemIndex(0);
    RadioGroup3.setItemIndex(0);
    ComboSDR.setItemIndex(0);
    Memo1.Visible = false;

    // Placeholders until the catalogue fills the list when the window is shown.
    // clang-format off
    Combo_Typ.Items = {
        "PVC-U lite                klasa L    k = 0.25 mm",
        "PVC-U lite                klasa N    k = 0.25 mm",
        "PVC-U lite                klasa T    k = 0.25 mm",
        "PVC-U spienione           klasa N    k = 0.25 mm",
        "PVC-U spienione           klasa T    k = 0.25 mm",
        "PP lite                   klasa N    k = 0.25 mm",
        "PP lite                   klasa T    k = 0.25 mm",
        "PP dwuścienne             klasa N    k = 0.25 mm",
        "PP dwuścienne             klasa T    k = 0.25 mm",
        "PE-HD                     klasa N    k = 0.05 mm",
        "PE-HD                     klasa T    k = 0.05 mm",
        "PE 100                    klasa SDR  k = 0.05 mm",
        "PP-HM                     klasa SDR  k = 0.05 mm",
        "GRP                       klasa N    k = 0.10 mm",
    };
    // clang-format on
    Combo_Typ.setItemIndex(0);
}

}  // namespace vexa

#include "windows/notebook_window.h"

#include "toolkit/text_file.h"
#include "windows/notebook_printout.h"
#include "windows/notebook_texts.h"
#include "windows/results_table.h"

namespace vexa {

TForm2::TForm2(NotebookParts parts) : parts_(parts) {
    layOut();
    Powrot.OnClick = [this] { PowrotClick(); };
    TabPrint.OnClick = [this] { TabPrintClick(); };
    TabSave.OnClick = [this] { TabSaveClick(); };
    Wydruk.OnClick = [this] { WydrukClick(); };
    Zapisz.OnClick = [this] { ZapiszClick(); };
    Memzer.OnClick = [this] { MemzerClick(); };
}

void TForm2::layOut() {
    Caption = "Notatnik";
    ClientWidth = 547;
    ClientHeight = 314;
    bmem.bounds = {16, 8, 385, 297};
    bmem.ReadOnly = true;
    TabPrint.bounds = {424, 40, 113, 25};
    TabPrint.Caption = "Wydruk tabeli";
    TabSave.bounds = {424, 80, 113, 25};
    TabSave.Caption = "Zapis tabeli";
    Memo1.bounds = {424, 112, 97, 25};
    Memo1.Visible = false;
    Wydruk.bounds = {424, 144, 113, 25};
    Wydruk.Caption = "Wydruk notatnika";
    Wydruk.Hint = "Wydruk całego notatnika";
    Zapisz.bounds = {424, 184, 113, 25};
    Zapisz.Caption = "Zapis notatnika";
    Zapisz.Hint = "Zapis notatnika na dysk";
    Memzer.bounds = {424, 240, 113, 25};
    Memzer.Caption = "Kasowanie";
    Memzer.Hint = "Kasowanie całego notatnika";
    Powrot.bounds = {424, 280, 113, 25};
    Powrot.Caption = "Powrót";
    Powrot.Hint = "Powrót do panelu projektowego";
}

void TForm2::FormCreate() {
    bmem.Lines = parts_.notebookText.Lines;
    // One page per stored entry and one more: the end is always in view.
    for (int page = 0; page < parts_.state.twind; ++page) bmem.scrollPageDown();
}

void TForm2::PowrotClick() {
    parts_.sectionName.Text = notebook_texts::defaultSectionName(parts_.state.odc_number);
    Close();
}

void TForm2::TabPrintClick() {
    Printer* printer = parts_.platform.choosePrinter();
    if (!printer) return;
    printResultsTable(*printer, parts_.records, parts_.state.twind - 1);
}

void TForm2::TabSaveClick() {
    const auto file = parts_.platform.askSaveFileName({"Zapis tabeli wynikowej w formacie *.csv", "csv", "csv"});
    if (!file) return;
    Memo1.Lines = resultsTableLines(parts_.records, parts_.state.twind - 1);
    text_file::writeLines(*file, Memo1.Lines);
}

void TForm2::WydrukClick() {
    Printer* printer = parts_.platform.choosePrinter();
    if (!printer) return;
    printNotebook(*printer, bmem.Lines);
}

void TForm2::ZapiszClick() {
    const auto file = parts_.platform.askSaveFileName({"Zapis notatnika w zbiorze typu *.txt", "txt", "txt"});
    if (!file) return;
    text_file::writeLines(*file, bmem.Lines);
}

void TForm2::MemzerClick() {
    if (!parts_.platform.confirm("Czy napewno chcesz skasować cały notatnik i tabelę ?")) return;
    bmem.Clear();
    parts_.notebookText.Clear();
    DesignState& state = parts_.state;
    state.mempusty = true;
    state.twind = 1;
    state.odc_number = 1;
    parts_.sectionName.Text = notebook_texts::defaultSectionName(1);
    Close();
}

}  // namespace vexa

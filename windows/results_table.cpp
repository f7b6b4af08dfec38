#include "windows/results_table.h"

#include <array>
#include <cstdint>

#include "toolkit/delimited_fields.h"

namespace vexa {
namespace {

constexpr int kColumns = 15;

struct Colfile {
    std::uint16_t number = 0;
    float left = 0;  // inches
    float width = 0;
    const char* head1 = "";
    const char* head2 = "";
};

// The printed columns, left to right; the left edges follow from the line height.
constexpr std::array<Colfile, kColumns> kColumnTable{{
    {1, 0, 0.7f, "Odcinek", "projektowy"},
    {2, 0, 2.1f, "Typ rury", ""},
    {3, 0, 0.4f, "Typ", "ścieków"},
    {4, 0, 0.4f, "Przepływ", "Q [l/s]"},
    {5, 0, 0.35f, "Spadek", "[‰]"},
    {6, 0, 0.35f, "Kryt.", "doboru"},
    {7, 0, 1.3f, "Nr kat.", "Ductora"},
    {8, 0, 0.75f, "Średnice", "[mm]"},
    {9, 0, 0.3f, "Klasa", ""},
    {10, 0, 0.35f, "k", "[mm]"},
    {11, 0, 0.35f, "h/d", "[%]"},
    {12, 0, 0.35f, "Prędk.", "[m/s]"},
    {13, 0, 0.35f, "tau", "[Pa]"},
    {14, 0, 0.35f, "Kryt.", "przew."},
    {15, 0, 0.35f, "Kryt.", "sam."},
}};

constexpr std::uint16_t kGroupSettings = 25;  // over columns 1 to 6
constexpr std::uint16_t kGroupResults = 26;   // over columns 7 to 14

constexpr const char* kLegend[] = {
    "Znaczenie skrótów użytych w kolumnie \"Kryterium doboru\":",
    "1. \"brak\" - dobór rury nie jest ograniczony żadnym kryterium,",
    "2. \"P\" - dobór rury jest dokonywany tak, aby spełnić kryterium przewietrzania,",
    "3. \"O\" - dobór rury jest dokonywany tak, aby spełnić kryterium samooczyszczania,",
    "4. \"P i O\" - dobór rury jest dokonywany tak, aby spełnić kryterium samooczyszczania i przewietrzania,",
    "5. \"xx\" - dobór rury jest dokonywany przy zmienionym maksymalnym wypełnieniu do \"xx\" [%].",
};
constexpr const char* kRemark =
    "Uwaga ! Określenia \"tak\" lub \"nie\" użyte w kolumnach \"Kryt. przew.\" oraz \"Kryt. sam.\" "
    "oznaczają wynik analizy zgodności z kryteriami przewietrzania i samooczyszczania.";

// A record's fields in column order.
std::array<std::string, kColumns> rowTexts(const Fwyn& r) {
    return {r.nazod.str(),   r.typrury.str(),  r.sciek.str(),    r.przeplyw.str(),  r.spadek.str(),
            r.krytdob.str(), r.nrkat.str(),    r.srednice.str(), r.klasarury.str(), r.wspk.str(),
            r.wypeln.str(),  r.predkosc.str(), r.naprez.str(),   r.krprzew.str(),   r.krsam.str()};
}

constexpr FontStyle kRegular{};
constexpr FontStyle kBold{.bold = true};
constexpr FontStyle kItalic{.italic = true};

}  // namespace

void Do_Table(TPrintObject& Prn, const NotebookRecords& records, int count) {
    const float LH = Prn.GetLineHeightInches();
    std::array<Colfile, kColumns> columns = kColumnTable;
    columns[0].left = 1.0f;
    for (int n = 1; n < kColumns; ++n) columns[n].left = columns[n - 1].left + columns[n - 1].width + 0.6f * LH;
    for (const Colfile& column : columns) Prn.CreateColumn(column.number, column.left, column.width);
    const float x1 = columns[0].left;
    const float x7 = columns[6].left;
    const float x15 = columns[14].left;
    Prn.CreateColumn(kGroupSettings, x1, x7 - x1);
    Prn.CreateColumn(kGroupResults, x7, x15 - x7);

    Prn.SetFontInformation("Arial", 10, kBold);
    Prn.SetFontInformation("Arial", 8, kRegular);
    const float Y0 = 2.0f;
    const float YT = Y0 - 0.2f * LH;
    const float YB = Y0 + 1.1f * LH + 21 * 1.3f * LH;
    const float PAD = 0.3f * LH;
    const float XR = x15 + columns[14].width + 0.6f * LH;

    Prn.DrawBox(x1 - PAD, Y0 - 0.35f, x7 - PAD, YT, 8);
    Prn.DrawBox(x7 - PAD, Y0 - 0.35f, XR - PAD, YT, 8);

    Prn.SetFontInformation("Arial", 10, kBold);
    Prn.WriteLineColumnCenter(kGroupSettings, Y0 - 0.25f, "Wybrane parametry zadane");
    Prn.WriteLineColumnCenter(kGroupResults, Y0 - 0.25f, "Podstawowe wyniki obliczeń");
    Prn.WriteLineCenter(Y0 - 0.7f, "Projektowanie systemów kanalizacji zewnętrznej");
    Prn.SetFontInformation("Arial", 12, kBold);
    Prn.WriteLineCenter(Y0 - 0.9f, "Ductora Polska S.A.");
    Prn.SetFontInformation("Arial", 8, kRegular);

    for (const Colfile& column : columns) Prn.DrawLine(column.left - PAD, YT, column.left - PAD, YB, 8);
    Prn.DrawLine(XR - PAD, YT, XR - PAD, YB, 8);

    const float left = x1 - PAD;
    const float right = XR - PAD;
    Prn.DrawLine(left, YT, right, YT, 8);
    float rule = Y0 + 1.3f * LH + 1.1f * LH;
    Prn.DrawLine(left, rule, right, rule, 8);
    for (int row = 1; row <= 20; ++row) {
        rule = rule + 1.3f * LH;
        Prn.DrawLine(left, rule, right, rule, 5);
    }
    Prn.DrawLine(left, rule, right, rule, 8);
    const float YE = rule;

    float Y = Y0;
    for (const Colfile& column : columns) Prn.WriteLineColumnCenter(column.number, Y, column.head1);
    Prn.NextLine(1.3f);
    Y = Prn.GetYPosition();
    for (const Colfile& column : columns) Prn.WriteLineColumnCenter(column.number, Y, column.head2);
    Prn.NextLine(1.3f);
    Y = Prn.GetYPosition();

    for (int record = 0; record < count && record < kNotebookCapacity; ++record) {
        const auto texts = rowTexts(records[record]);
        for (int n = 0; n < kColumns; ++n) Prn.WriteLineColumnCenter(columns[n].number, Y, texts[n]);
        Prn.NextLine(1.3f);
        Y = Prn.GetYPosition();
    }

    Y = YE + 0.4f;
    Prn.SetFontInformation("Arial", 8, kItalic);
    Prn.WriteLine(1.0f, Y, kLegend[0]);
    for (int line = 1; line < 6; ++line) {
        Prn.NextLine(1.0f);
        Y = Prn.GetYPosition();
        Prn.WriteLine(1.0f, Y, kLegend[line]);
    }
    Prn.NextLine(1.0f);
    Prn.NextLine(1.0f);
    Y = Prn.GetYPosition();
    Prn.WriteLine(1.0f, Y, kRemark);
}

void printResultsTable(Printer& printer, const NotebookRecords& records, int count) {
    printer.setDocumentName("Vexa - tabela wyników");
    TPrintObject Prn(printer);
    Prn.Start(false);
    Prn.SetMargins(0.8f, 0.8f, 0.8f, 0.8f);
    Prn.SetFontInformation("Arial", 8, kRegular);
    Prn.SetTopOfPage();
    Do_Table(Prn, records, count);
    Prn.Quit();
}

std::vector<std::string> resultsTableLines(const NotebookRecords& records, int count) {
    std::vector<std::string> lines{
        "Odcinek;Typ rury;Typ ścieków;Przepływ;Spadek;Kryt. doboru;Nr kat.;Średnice;"
        "Klasa;k;h/d;Prędkość;Tau;Kryt. przew.;Kryt. sam."};
    for (int record = 0; record < count && record < kNotebookCapacity; ++record) {
        const auto texts = rowTexts(records[record]);
        lines.push_back(delimited::joined({texts.begin(), texts.end()}));
    }
    return lines;
}

}  // namespace vexa

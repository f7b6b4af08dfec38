// The notebook window's table export and the two printouts, on the
// recording printer. Expected positions are the layout's inches converted at
// 600 dpi less the printer's 100-pixel offset; the line height is set to 0,15
// inch so that the layout's own figures can be checked.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "support/files.h"
#include "support/recording_platform.h"
#include "toolkit/cp1250.h"
#include "windows/event_dispatch.h"
#include "windows/notebook_printout.h"
#include "windows/notebook_window.h"
#include "windows/results_table.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;
using Kind = RecordingPrinter::Kind;
using Call = RecordingPrinter::Call;
using testing_support::fileContents;

// Within a pixel of the sheet position `inches`: float inches are truncated to pixels.
::testing::AssertionResult at(int pixels, double inches) {
    const double expected = inches * 600 - 100;
    if (std::abs(pixels - expected) <= 1.01) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << pixels << " px is not at " << inches << " in (" << expected << " px)";
}

std::vector<Call> callsOf(const RecordingPrinter& printer, Kind kind) {
    std::vector<Call> found;
    std::ranges::copy_if(printer.calls(), std::back_inserter(found), [kind](const Call& c) { return c.kind == kind; });
    return found;
}

Fwyn record(std::initializer_list<const char*> fields) {
    const auto* f = fields.begin();
    Fwyn r;
    r.nazod = f[0], r.typrury = f[1], r.sciek = f[2], r.przeplyw = f[3], r.spadek = f[4];
    r.krytdob = f[5], r.nrkat = f[6], r.srednice = f[7], r.klasarury = f[8], r.wspk = f[9];
    r.wypeln = f[10], r.predkosc = f[11], r.naprez = f[12], r.krprzew = f[13], r.krsam = f[14];
    return r;
}

NotebookRecords twentyRecords() {
    NotebookRecords records;
    for (int n = 0; n < kNotebookCapacity; ++n)
        records[n] = record({"", "PVC-U lite SN8 (N)", "bytowe", "12,5", "1,5", "P i O", "PVC8-250", "250 / 235,4", "N",
                             "0,75", "60", "0,45", "0,97", "tak", "nie"});
    for (int n = 0; n < kNotebookCapacity; ++n) records[n].nazod = "K" + std::to_string(n + 1);
    return records;
}

const PrinterGeometry kLineHeightFifteenHundredths{.fontHeightPercent = 120};  // Arial 8 pt: 90 px

TEST(ResultsTablePage, GridRowsAndLegendStandWhereTheLineHeightPutsThem) {
    RecordingPrinter printer(kLineHeightFifteenHundredths);
    printResultsTable(printer, twentyRecords(), 20);

    EXPECT_EQ(printer.physicalPageSize().width, 6600);  // landscape
    EXPECT_EQ(printer.documentName(), "Vexa - tabela wyników");
    EXPECT_EQ(printer.calls().front().kind, Kind::Begin);
    EXPECT_EQ(printer.calls().back().kind, Kind::End);
    EXPECT_TRUE(callsOf(printer, Kind::NewPage).empty());

    std::vector<Call> vertical, horizontal;
    for (const Call& line : callsOf(printer, Kind::Line)) (line.x1 == line.x2 ? vertical : horizontal).push_back(line);
    const double columns[] = {1.0,  1.79, 3.98, 4.47, 4.96, 5.40,  5.84,  7.23,
                              8.07, 8.46, 8.90, 9.34, 9.78, 10.22, 10.66, 11.10};
    ASSERT_EQ(vertical.size(), 16U);
    for (std::size_t n = 0; n < vertical.size(); ++n) {
        EXPECT_TRUE(at(vertical[n].x1, columns[n] - 0.045)) << "rule " << n + 1;
        EXPECT_TRUE(at(vertical[n].y1, 1.97));
        EXPECT_TRUE(at(vertical[n].y2, 6.26));
        EXPECT_EQ(vertical[n].penWidth, 8);
    }
    ASSERT_EQ(horizontal.size(), 23U);
    for (std::size_t n = 0; n < horizontal.size(); ++n) {
        const double y = n == 0 ? 1.97 : n == 22 ? 6.26 : 2.36 + static_cast<double>(n - 1) * 0.195;
        EXPECT_TRUE(at(horizontal[n].y1, y)) << "rule " << n + 1;
        EXPECT_TRUE(at(horizontal[n].x1, 0.955));
        EXPECT_TRUE(at(horizontal[n].x2, 11.055));
        EXPECT_EQ(horizontal[n].penWidth, n <= 1 || n == 22 ? 8 : 5);
    }
    const auto boxes = callsOf(printer, Kind::Rectangle);
    ASSERT_EQ(boxes.size(), 2U);
    EXPECT_TRUE(at(boxes[0].x1, 0.955) && at(boxes[0].x2, 5.795) && at(boxes[1].x2, 11.055));
    EXPECT_TRUE(at(boxes[1].y1, 1.65) && at(boxes[1].y2, 1.97));
    EXPECT_EQ(boxes[1].fillGrey, 255);

    const auto texts = printer.texts();
    const auto text = [&](const std::string& wanted) {
        const auto found = std::ranges::find(texts, wanted, &Call::text);
        EXPECT_NE(found, texts.end()) << wanted;
        return found == texts.end() ? Call{} : *found;
    };
    EXPECT_TRUE(at(text("Ductora Polska S.A.").y1, 1.1));
    EXPECT_EQ(text("Ductora Polska S.A.").fontSize, 12);
    EXPECT_TRUE(at(text("Projektowanie systemów kanalizacji zewnętrznej").y1, 1.3));
    EXPECT_TRUE(at(text("Podstawowe wyniki obliczeń").y1, 1.75));
    EXPECT_TRUE(text("Podstawowe wyniki obliczeń").fontStyle.bold);
    EXPECT_TRUE(at(text("Odcinek").y1, 2.0));
    EXPECT_TRUE(at(text("projektowy").y1, 2.195));
    EXPECT_TRUE(at(text("K1").y1, 2.39));
    EXPECT_TRUE(at(text("K20").y1, 6.095));
    const Call legend = text("Znaczenie skrótów użytych w kolumnie \"Kryterium doboru\":");
    EXPECT_TRUE(at(legend.y1, 6.66) && at(legend.x1, 1.0));
    EXPECT_TRUE(legend.fontStyle.italic);
    EXPECT_TRUE(at(texts.back().y1, 6.66 + 7 * 0.15));
    EXPECT_EQ(texts.size(), 4U + 30 + 20 * 15 + 7);
}

TEST(ResultsTablePage, OneRecordFillsTheFirstRowOfTheFullPage) {
    RecordingPrinter printer(kLineHeightFifteenHundredths);
    printResultsTable(printer, twentyRecords(), 1);
    EXPECT_EQ(printer.texts().size(), 4U + 30 + 15 + 7);
    EXPECT_EQ(std::ranges::count(printer.texts(), "0,97", &Call::text), 1);
    EXPECT_EQ(callsOf(printer, Kind::Line).size(), 16U + 23);
}

class NotebookWindowPrintouts : public ::testing::Test {
protected:
    void press(Button& button) {
        runUserAction(platform, [&] { button.userClick(); });
    }
    bool nothingPrinted() const { return platform.printer().calls().empty(); }

    Memo notebookText;
    EditField sectionName;
    NotebookRecords records;
    DesignState state;
    RecordingPlatform platform;
    TForm2 window{{notebookText, sectionName, records, state, platform}};
    testing_support::ScratchFolder scratch;
};

TEST_F(NotebookWindowPrintouts, ZapisTabeliQuotesOnlyTheFieldsASpreadsheetWouldMisread) {
    records[0] = record({"K;1", "PVC-U lite SN8 (N)", "bytowe", "12,5", "1,5", "h/d=60%", "PVC8-250", "250 / 235,4",
                         "N", "0,75", "60", "0,45", "0,97", "tak", "nie"});
    records[1] = record({"\"Górny\" kanał", "PE-HD ZORKA SN8", "deszcz.", "150", "3", "P i O", "ZOR-500", "500", "N",
                         "0,4", "56,3", "1,21", "3,26", "tak", "tak"});
    records[2] = record({"Rów \"A\"", "PVC-U lite SN4 (T)", "bytowe", "4", "5", "brak", "PVC4-160", "160 / 152", "T",
                         "0,75", "33,8", "0,62", "1,8", "nie", "nie"});
    records[3] = records[2];  // saved but not counted
    state.twind = 4;
    const fs::path file = scratch / "tabela.csv";
    platform.queueSaveFileName(file.string());
    press(window.TabSave);
    EXPECT_EQ(fileContents(file), fileContents(fs::path(VEXA_TEST_DATA_DIR) / "results_table.csv"));
    EXPECT_EQ(platform.lastSaveRequest().title, "Zapis tabeli wynikowej w formacie *.csv");
    EXPECT_EQ(platform.lastSaveRequest().filter, "csv");
    EXPECT_EQ(platform.lastSaveRequest().defaultExtension, "csv");
}

TEST_F(NotebookWindowPrintouts, CancelledDialogsChangeNothingAndAFileThatCannotBeCreatedIsReported) {
    state.twind = 2;
    notebookText.Lines = {"nagłówek", "===="};
    window.FormCreate();
    press(window.TabPrint);
    press(window.Wydruk);
    press(window.TabSave);
    EXPECT_TRUE(nothingPrinted());
    EXPECT_TRUE(platform.errors().empty());

    const fs::path file = scratch / "brak" / "tabela.csv";
    platform.queueSaveFileName(file.string());
    press(window.TabSave);
    EXPECT_EQ(platform.errors(), std::vector<std::string>{"Cannot create file " + file.string()});
    EXPECT_FALSE(fs::exists(file.parent_path()));
    EXPECT_EQ(notebookText.Lines.size(), 2U);
}

// The notebook of `entries` copies of the saved entry of the notebook tests.
std::vector<std::string> notebookOf(int entries) {
    std::vector<std::string> oneEntry;
    std::string line;
    for (const char c : cp1250::decode(fileContents(fs::path(VEXA_TEST_DATA_DIR) / "notebook_one_entry.txt")))
        if (c == '\n')
            oneEntry.push_back(line), line.clear();
        else if (c != '\r')
            line += c;
    std::vector<std::string> notebook(oneEntry.begin(), oneEntry.begin() + 2);
    for (int n = 0; n < entries; ++n) notebook.insert(notebook.end(), oneEntry.begin() + 2, oneEntry.end());
    return notebook;
}

// The pages on which the entry titles were printed.
std::vector<int> titlePages(const RecordingPrinter& printer) {
    std::vector<int> pages;
    for (const Call& text : printer.texts())
        if (text.text.starts_with("Odcinek projektowy")) pages.push_back(text.page);
    return pages;
}

TEST(NotebookPrintout, OneEntryIsStyledLineByLineWithoutItsRules) {
    RecordingPrinter printer;
    printNotebook(printer, notebookOf(1));
    EXPECT_EQ(printer.documentName(), "Vexa - notatnik");
    const auto texts = printer.texts();
    const std::string indent(27, ' ');
    // Three empty 12-point lines (100 px at 600 dpi), then the header; the
    // title with its indents, the two styled lines in two pieces, the rest in one.
    ASSERT_EQ(texts.size(), 2U + 1 + 4 + 2 * 2 + 16);
    EXPECT_EQ(texts[1].text, "Ductora Polska S.A. - projektowanie sieci kanalizacji zewnętrznej");
    EXPECT_EQ(texts[1].y1, 300);
    EXPECT_TRUE(texts[1].fontStyle.bold && texts[1].fontStyle.underline);
    EXPECT_EQ(texts[2].text, indent);  // the entry's empty first line, 10 pt
    EXPECT_EQ(texts[2].fontSize, 10);
    // The title, underlined on for two indents more.
    EXPECT_EQ(texts[4].text, "Odcinek projektowy \"Kanał Żółta 1\"");
    EXPECT_TRUE(texts[4].fontStyle.bold && texts[4].fontStyle.underline);
    EXPECT_TRUE(texts[6].fontStyle.underline && texts[6].text == indent);
    const auto styleOf = [&](const std::string& start) {
        return std::ranges::find_if(texts, [&](const Call& c) { return c.text.starts_with(start); })->fontStyle;
    };
    EXPECT_EQ(styleOf("Wyniki dla"), (FontStyle{.italic = true, .underline = true}));
    EXPECT_EQ(styleOf("Uwaga !"), FontStyle{.italic = true});
    EXPECT_EQ(styleOf(indent + "Kryterium doboru:"), FontStyle{});
    EXPECT_EQ(std::ranges::count_if(texts,
                                    [](const Call& c) {
                                        return c.text.find("---") != std::string::npos ||
                                               c.text.find("===") != std::string::npos;
                                    }),
              0);
    EXPECT_TRUE(callsOf(printer, Kind::NewPage).empty());
}

TEST(NotebookPrintout, ThreeEntriesToAPageWithTheEmptyFirstLineLeftBehind) {
    for (const auto& [entries, pages] :
         std::vector<std::pair<int, std::vector<int>>>{{3, {1, 1, 1}}, {4, {1, 1, 1, 2}}, {7, {1, 1, 1, 2, 2, 2, 3}}}) {
        RecordingPrinter printer;
        printNotebook(printer, notebookOf(entries));
        EXPECT_EQ(titlePages(printer), pages) << entries << " entries";
    }
    RecordingPrinter printer;
    printNotebook(printer, notebookOf(4));
    const auto texts = printer.texts();
    const auto title4 = std::ranges::find_if(texts, [](const Call& c) { return c.page == 2; });
    EXPECT_EQ((title4 - 1)->page, 1);  // the 4th entry's empty first line
    // Eight empty 10-point lines of 83 px open the new page.
    EXPECT_EQ(title4->y1, 8 * 83);
}

}  // namespace
}  // namespace vexa

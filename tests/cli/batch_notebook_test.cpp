// vexa-calc --notatnik and --tabela against the design window itself: the
// notebook and table files of a batch must be the very bytes a user gets by
// entering the same sections into one window, pressing "Zapis" and "Powrót"
// after each, and saving with "Zapis notatnika" and "Zapis tabeli". The PDF
// printouts of the same batch are read back with pdftotext.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "batch/batch_section.h"
#include "support/files.h"
#include "support/recording_platform.h"
#include "toolkit/cp1250.h"
#include "toolkit/delimited_fields.h"
#include "windows/design_window.h"
#include "windows/notebook_window.h"
#include "windows/program.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;

using testing_support::fileContents;
using testing_support::pdfText;

const fs::path kCatalogue = fs::path(VEXA_TEST_DATA_DIR) / "small_catalogue.dat";

#ifdef VEXA_PDF_PRINTOUTS
constexpr bool kPdfPrintouts = true;
#else
constexpr bool kPdfPrintouts = false;  // a build without Qt
#endif

// Sections that all have a result; the last is the 21st.
const std::vector<std::string> kSections = {
    "Przykanalik ul. Łąkowa;1;;;2;0;5;5;0;;;3;",
    "Kolektor deszczowy K-1;1;dowolna;;0;1;30;3;0;;;4;50",
    "Kanał bytowy, duże opory;1;;;2;1;30;3;0;;;1;",
    "Minimalizacja spadku;1;;;2;0;10;5;1;2;10;1;",
    "Średnica zadana;1;160;;0;0;10;5;1;1.0;30;1;",
    "PE-HD strukturalna;3;;;0;0;50;3",
    "SDR cofnięty przez limit;6;710;17,0;0;0;150;2;0;;;0;",
    "SDR zadany;6;630;17,0;0;0;150;2",
    "PP-HM;7;;;0;0;20;5.0",
    "Optymalna N;8;;;0;0;10;5",
    "Optymalna T minimalizacja;9;;;2;0;40;5;1;2;10;1",
    "Optymalna N z SDR;8;;;0;0;300;2",
    ";1;;;0;0;12.5;5",  // no name: the default one
    "Odcinek → 14;1;;;0;0;14;5",
    "Nazwa dłuższa niż piętnaście znaków;2;;;1;0;15;5;0;;;2",
    "Kolektor 16;1;;;2;1;16;5;0;;;4;60",
    "\"Kolektor;17\";1;;;0;0;17;5",  // a name that holds the separator
    "Kolektor 18;1;;;0;0;18;5",
    "Kolektor 19;1;;;0;0;19;5",
    "Kolektor 20;1;;;0;0;20;5",
    "Kolektor 21;1;;;0;0;21;5",
};

int item(const ComboBox& list, const std::string& text) {
    return static_cast<int>(std::find(list.Items.begin(), list.Items.end(), text) - list.Items.begin());
}

struct SavedFiles {
    std::string notebook, table;
};

// One window, every input set for each section as a user sets it.
SavedFiles filesOfTheWindow(const fs::path& folder) {
    RecordingPlatform platform;
    Program program(platform, kCatalogue);
    program.start();
    TForm1& f = program.Form1();
    const auto act = [&](const std::function<void()>& action) { program.act(action); };
    for (std::size_t n = 0; n < kSections.size(); ++n) {
        const BatchSection s = parseSection(kSections[n]);
        act([&] { f.RadioGroup1.userSelect(s.sewage); });
        act([&] { f.RadioGroup4.userSelect(s.losses); });
        act([&] { f.Combo_Typ.userSelect(s.type - 1); });
        if (!s.diameter.empty() && s.diameter != "dowolna")
            act([&] { f.ComboSred.userSelect(item(f.ComboSred, s.diameter)); });
        if (!s.sdr.empty()) act([&] { f.ComboSDR.userSelect(item(f.ComboSDR, s.sdr)); });
        act([&] { f.RadioGroup3.userSelect(s.pipeCriterion); });
        act([&] { f.RadioGroup2.userSelect(s.slopeCriterion); });
        act([&] {
            if (!s.name.empty()) f.Bnazod.userType(s.name);
            f.Bqwe.userType(s.flow);
            f.Bimin.userType(s.slope);
            f.Bistart.userType(s.slopeFrom);
            f.Bistop.userType(s.slopeTo);
            f.Bwyp.userType(s.fillingLimit);
        });
        act([&] { f.Button1.userClick(); });
        if (n < 20) platform.queueModalAction([&](Form&) { act([&] { program.Form2().Powrot.userClick(); }); });
        act([&] { f.Zapisz.userClick(); });
    }
    EXPECT_EQ(platform.errors(), std::vector<std::string>{"Pojemność notatnika została wyczerpana ( 20 wyliczeń )"});
    platform.queueModalAction([&](Form&) {
        platform.queueSaveFileName((folder / "okno.txt").string());
        act([&] { program.Form2().Zapisz.userClick(); });
        platform.queueSaveFileName((folder / "okno.csv").string());
        act([&] { program.Form2().TabSave.userClick(); });
    });
    act([&] { f.Notatnik.userClick(); });
    return {fileContents(folder / "okno.txt"), fileContents(folder / "okno.csv")};
}

std::vector<std::string> pagesOf(const std::string& text) {
    std::vector<std::string> pages(1);
    for (const char c : text)
        if (c == '\f')
            pages.emplace_back();
        else
            pages.back().push_back(c);
    if (pages.back().empty()) pages.pop_back();
    return pages;
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(BatchNotebook, TwentyOneSectionsWriteTheFilesAndPrintoutsOfTheWindowAndReportTheRefusal) {
    const testing_support::ScratchFolder scratch;
    std::string batch;
    for (const auto& line : kSections) batch += line + "\n";
    std::ofstream(scratch / "odcinki.csv", std::ios::binary) << batch;

    const auto in = [&](const char* name) { return " \"" + (scratch / name).string() + "\""; };
    const std::string printouts =
        kPdfPrintouts ? " --wydruk-tabeli" + in("tabela.pdf") + " --wydruk-notatnika" + in("notatnik.pdf") : "";
    const std::string command = "\"" VEXA_CALC "\" --katalog \"" + kCatalogue.string() + "\" --notatnik" +
                                in("notatnik.txt") + " --tabela" + in("tabela.csv") + printouts + in("odcinki.csv") +
                                " >" + in("out") + " 2>" + in("err");
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 0);
    EXPECT_EQ(fileContents(scratch / "err"),
              "vexa-calc: wiersz 14: w nazwie odcinka pominięto znaki spoza strony kodowej 1250: \"Odcinek → 14\"\n"
              "vexa-calc: wiersz 21: Pojemność notatnika została wyczerpana ( 20 wyliczeń )\n");

    const std::string fromBatch = fileContents(scratch / "notatnik.txt");
    const SavedFiles window = filesOfTheWindow(scratch.path());
    const std::string& fromWindow = window.notebook;
    const auto [differs, _] = std::mismatch(fromBatch.begin(), fromBatch.end(), fromWindow.begin(), fromWindow.end());
    EXPECT_EQ(fromBatch.size(), fromWindow.size());
    EXPECT_EQ(differs, fromBatch.end()) << "first difference at byte " << differs - fromBatch.begin();
    EXPECT_EQ(std::count(fromBatch.begin(), fromBatch.end(), '\n'), 2 + 20 * 21);
    EXPECT_NE(fromBatch.find("Odcinek projektowy \"Odcinek nr 13\"\r\n"), std::string::npos);
    EXPECT_NE(fromBatch.find("Odcinek projektowy \"Odcinek  14\"\r\n"), std::string::npos);

    const std::string table = fileContents(scratch / "tabela.csv");
    EXPECT_EQ(table, window.table);
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 1 + 20);
    EXPECT_NE(table.find("\r\n\"Kolektor;17\";"), std::string::npos);
    EXPECT_NE(fileContents(scratch / "out").find("\n\"Kolektor;17\";"), std::string::npos);

    if (!kPdfPrintouts) return;
    const auto tablePages = pagesOf(pdfText(scratch / "tabela.pdf"));
    ASSERT_EQ(tablePages.size(), 1U);
    for (const char* text : {"Ductora Polska S.A.", "Projektowanie systemów kanalizacji zewnętrznej",
                             "Wybrane parametry zadane", "Podstawowe wyniki obliczeń", "projektowy", "Ductora",
                             "Znaczenie skrótów", "oznaczają wynik analizy zgodności"})
        EXPECT_NE(tablePages[0].find(text), std::string::npos) << text;
    const std::string tableText = cp1250::decode(table);
    for (std::size_t line = tableText.find('\n'); line + 1 < tableText.size(); line = tableText.find('\n', line + 1)) {
        const auto fields = delimited::split(tableText.substr(line + 1, tableText.find('\r', line) - line - 1));
        ASSERT_EQ(fields.size(), 15U);
        const std::string number = fields[6].substr(fields[6].find_first_not_of(' '));
        EXPECT_NE(tablePages[0].find(number), std::string::npos) << "catalogue number " << number;
    }

    const auto notebookPages = pagesOf(pdfText(scratch / "notatnik.pdf"));
    ASSERT_EQ(notebookPages.size(), 7U);
    for (std::size_t page = 0; page < notebookPages.size(); ++page)
        EXPECT_EQ(occurrences(notebookPages[page], "Odcinek projektowy"), page < 6 ? 3U : 2U) << "page " << page + 1;
    EXPECT_EQ(occurrences(notebookPages[1], "Odcinek projektowy \"Minimalizacja spadku\""), 1U);
    for (const auto& page : notebookPages) EXPECT_EQ(occurrences(page, "--") + occurrences(page, "=="), 0U);
}

}  // namespace
}  // namespace vexa

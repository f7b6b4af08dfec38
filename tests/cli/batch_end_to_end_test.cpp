// The built vexa-calc run as a script would run it, its output compared byte
// for byte with files checked by hand against tools/reference_design.py.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "support/files.h"
#include "toolkit/delimited_fields.h"
#include "toolkit/version.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;

using testing_support::fileContents;

fs::path data(const std::string& name) { return fs::path(VEXA_TEST_DATA_DIR) / name; }

struct CalcRun {
    int status;
    std::string output;
    std::string errors;
};

class BatchEndToEnd : public testing::Test {
protected:
    // Runs vexa-calc in the scratch directory; `input` is fed on standard input.
    CalcRun run(const std::string& arguments, const std::string& input = "") {
        const fs::path in = scratch / "stdin.txt", out = scratch / "stdout.txt", err = scratch / "stderr.txt";
        std::ofstream(in, std::ios::binary) << input;
        const std::string command = "cd \"" + scratch.path().string() + "\" && \"" VEXA_CALC "\" " + arguments +
                                    " < \"" + in.string() + "\" > \"" + out.string() + "\" 2> \"" + err.string() + "\"";
        const int raw = std::system(command.c_str());
        const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        return {status, fileContents(out), fileContents(err)};
    }

    testing_support::ScratchFolder scratch;
};

TEST_F(BatchEndToEnd, EveryColumnOnTheTestCatalogue) {
    const CalcRun result =
        run("--katalog \"" + data("small_catalogue.dat").string() + "\" \"" + data("batch_small.csv").string() + "\"");
    EXPECT_EQ(result.status, 1);  // three malformed lines, the others computed
    EXPECT_EQ(result.output, fileContents(data("batch_small.expected")));
    EXPECT_EQ(result.errors, fileContents(data("batch_small.stderr")));
}

TEST_F(BatchEndToEnd, CodePage1250InAndOutWithCrLf) {
    const CalcRun result = run("--cp1250 --katalog \"" + data("small_catalogue.dat").string() + "\"",
                               fileContents(data("batch_small_cp1250.csv")));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, fileContents(data("batch_small_cp1250.expected")));
}

TEST_F(BatchEndToEnd, TypicalDesignsOnTheBundledCatalogueInTheWorkingDirectory) {
    fs::copy_file(fs::path(VEXA_SOURCE_DIR) / "pipe_vexa.dat", scratch / "pipe_vexa.dat");
    const CalcRun result = run("", fileContents(data("batch_bundled.csv")));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, fileContents(data("batch_bundled.expected")));
    EXPECT_EQ(result.errors, "");
}

TEST_F(BatchEndToEnd, CatalogueProblemsEndWithStatusTwo) {
    CalcRun result = run("", "A;1;;;0;0;10;5\n");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.errors, "Brak zbioru \"pipe_vexa.dat\"\n");
    EXPECT_EQ(result.output, "");

    std::ofstream(scratch / "broken.dat", std::ios::binary) << "Rurtyp A klasa N;\r\nDOUT,16.0\r\n";
    result = run("--katalog broken.dat", "A;1;;;0;0;10;5\n");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.errors, "'16.0' is not a valid floating point value\n");
}

TEST_F(BatchEndToEnd, FilesThatCannotBeCreatedEndWithStatusTwoAfterTheResultsAndTheOtherFiles) {
    const CalcRun result = run("--katalog \"" + data("small_catalogue.dat").string() +
                                   "\" --notatnik brak/n.txt --wydruk-tabeli brak/t.pdf --tabela t.csv",
                               "A;1;;;0;0;10;5\n");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.output,
              "Odcinek;Bd;Bnrkat;Bkl;Bk;Bi;Bh;Br;Bv;Bws;Bwp\n"
              "A;160 / 150,6; PVC4-160;N;0,25;5,0;69;2,19;0,76;tak;tak\n");
#ifdef VEXA_PDF_PRINTOUTS
    EXPECT_EQ(result.errors,
              "vexa-calc: Nie można zapisać zbioru brak/n.txt: nie ma takiego folderu\n"
              "vexa-calc: Nie można zapisać zbioru brak/t.pdf: nie ma takiego folderu\n");
#else
    EXPECT_EQ(result.errors,
              "vexa-calc: Nie można zapisać zbioru brak/n.txt: nie ma takiego folderu\n"
              "vexa-calc: Nie można zapisać zbioru brak/t.pdf: wydruki do zbiorów PDF są niedostępne w tej wersji "
              "programu\n");
#endif
    const std::string table = fileContents(scratch / "t.csv");
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 2);
}

TEST_F(BatchEndToEnd, ATimeLimitStopsASectionAndTheRunGoesOn) {
    const CalcRun result = run("--limit-czasu 0,3 --katalog \"" + data("small_catalogue.dat").string() + "\"",
                               "A;1;;;0;0;1e12;5;1;0,5;1e12\nB;1;;;0;0;10;5\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output,
              "Odcinek;Bd;Bnrkat;Bkl;Bk;Bi;Bh;Br;Bv;Bws;Bwp\n"
              "A;!;Obliczenia przerwano po 0,3 s (limit czasu).\n"
              "B;160 / 150,6; PVC4-160;N;0,25;5,0;69;2,19;0,76;tak;tak\n");
    EXPECT_EQ(run("--limit-czasu 0 x").status, 2);
}

TEST_F(BatchEndToEnd, NetworkOptionsOutOfTheirBoundsAreRefusedBeforeAnything) {
    const std::string network =
        "--katalog \"" VEXA_SOURCE_DIR "/pipe_vexa.dat\" --siec \"" + data("network/hand_worked.csv").string() + "\" ";
    for (const auto& [options, message] : {
             std::pair{"--spadek-min 0,44", "vexa-calc: --spadek-min \"0,44\" nie może być mniejsze od 0,5\n"},
             std::pair{"--spadek-max 1000,1", "vexa-calc: --spadek-max \"1000,1\" nie może być większe od 1000\n"},
             std::pair{"--spadek-min 2 --spadek-max 1,5",
                       "vexa-calc: --spadek-max \"1,5\" nie może być mniejsze od najmniejszego spadku (2)\n"},
             std::pair{"--q-min 0,9", "vexa-calc: --q-min \"0,9\" nie może być mniejsze od 1\n"},
             std::pair{"--kaskada pół", "vexa-calc: --kaskada \"pół\" nie jest liczbą\n"},
             std::pair{"--skala-pionowa 0", "vexa-calc: --skala-pionowa \"0\" nie może być mniejsze od 1\n"},
         }) {
        const CalcRun result = run(network + options);
        EXPECT_EQ(result.status, 2) << options;
        EXPECT_EQ(result.output, "") << options;
        EXPECT_EQ(result.errors, message);
    }
    EXPECT_EQ(run("--spadek-min 0,45 " + network).status, 0);  // rounded to 0,5
}

// Every network option changes the hand-worked network's design; the
// expected table was checked field by field with tools/reference_network.py.
TEST_F(BatchEndToEnd, NetworkOptionsReachTheDesignInCodePage1250) {
    const CalcRun result =
        run("--cp1250 --przykrycie 1,5 --spadek-min 3 --spadek-max 40 --q-min 5 --glebokosc-max 3 "
            "--kaskada 0,1 --katalog \"" VEXA_SOURCE_DIR "/pipe_vexa.dat\" --siec \"" +
            data("network/hand_worked.csv").string() + "\"");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, fileContents(data("network/hand_worked_options_cp1250.expected")));
}

#ifdef VEXA_PDF_PRINTOUTS
// The hand-worked network's three profiles on two A3 landscape pages, with
// every manhole, level (in millimetres, as asked) and slope, their sheets
// numbered through the set, and the title block's texts from the project
// file and from the options, which win.
TEST_F(BatchEndToEnd, NetworkProfilesPrintToAnA3LandscapePdf) {
    const fs::path pdf = scratch / "profile.pdf";
    const fs::path project = scratch / "siec.vexa";
    {
        std::ofstream file(project);
        file << "projekt-nazwa=Nazwa z projektu\nprojekt-inwestor=Gmina Źródła\nuklad-wysokosci=Kronsztadt 86\n";
    }
    const CalcRun result =
        run("--katalog \"" VEXA_SOURCE_DIR "/pipe_vexa.dat\" --siec \"" + data("network/hand_worked.csv").string() +
            "\" --profile \"" + pdf.string() + "\" --parametry \"" + project.string() +
            "\" --projekt-nazwa \"Kanalizacja ul. Polnej\" --projekt-uprawnienia \"POM/0123/PWOS/09\" "
            "--dokladnosc-rzednych 3");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, fileContents(data("network/hand_worked.expected")));
    const fs::path info = scratch / "pdfinfo.txt";
    ASSERT_EQ(std::system(("pdfinfo \"" + pdf.string() + "\" > \"" + info.string() + "\"").c_str()), 0);
    EXPECT_NE(fileContents(info).find("Pages:           2\n"), std::string::npos);
    EXPECT_NE(fileContents(info).find("Page size:       1191 x 842 pts (A3)"), std::string::npos);
    EXPECT_NE(fileContents(info).find("Title:           Vexa - profile podłużne\n"), std::string::npos);
    EXPECT_NE(fileContents(info).find("Creator:         Vexa " VEXA_VERSION "\n"), std::string::npos);
    const std::string text = testing_support::pdfText(pdf);
    for (const char* expected :
         {"Profil podłużny B1 - A5", "Profil podłużny C1 - C3", "Profil podłużny A1 - A3", "bez wyniku",
          "Poziom porównawczy 96,00 m n.p.m.", "Rzędne w układzie wysokościowym Kronsztadt 86",
          "Kanalizacja ul. Polnej", "Gmina Źródła", "POM/0123/PWOS/09", "sanitarna"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    EXPECT_EQ(text.find("Nazwa z projektu"), std::string::npos);
    // pdftotext reads the short "1 z 2" without its spaces.
    std::string compact = text;
    std::erase(compact, ' ');
    EXPECT_NE(compact.find("\n1z2\n"), std::string::npos);
    EXPECT_NE(compact.find("\n2z2\n"), std::string::npos);
    // Every manhole, invert level and slope of the results table.
    std::istringstream table(result.output);
    std::string line;
    std::getline(table, line);
    while (std::getline(table, line)) {
        const std::vector<std::string> fields = delimited::split(line);
        std::vector<std::string> wanted{fields[1], fields[2]};
        if (fields[5] != "!") wanted.insert(wanted.end(), {fields[9], fields[15], fields[16]});
        for (const std::string& expected : wanted) EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
}
#endif

TEST_F(BatchEndToEnd, ACatalogueIsCheckedAsTheProgramReadsIt) {
    const CalcRun bundled = run("--sprawdz-katalog \"" VEXA_SOURCE_DIR "/pipe_vexa.dat\"");
    EXPECT_EQ(bundled.status, 0);
    EXPECT_NE(bundled.output.find(" wczytuje się poprawnie.\nTypy rur: 9\n1. PVC-U SN2 klasa L (klasa L)"),
              std::string::npos);
    EXPECT_TRUE(bundled.output.ends_with("\nBrak uwag.\n"));
    const CalcRun missing = run("--sprawdz-katalog");  // pipe_vexa.dat in the working directory: none
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.output, "");
    EXPECT_EQ(missing.errors, "Brak zbioru \"pipe_vexa.dat\"\n");
    // A second file would otherwise be taken as a batch that is never read.
    const CalcRun stray = run("--sprawdz-katalog --cp1250 \"" VEXA_SOURCE_DIR "/pipe_vexa.dat\"");
    EXPECT_EQ(stray.status, 2);
    EXPECT_EQ(stray.errors, "vexa-calc: --sprawdz-katalog łączy się tylko z --katalog i --cp1250\n");
}

TEST_F(BatchEndToEnd, HelpIsPolish) {
    const CalcRun result = run("--help");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output.rfind("Użycie: vexa-calc [--katalog ZBIÓR] [--cp1250] [--stan] [--limit-czasu SEKUNDY]", 0),
              0U);
    EXPECT_EQ(run("--nieznana").status, 2);
    EXPECT_EQ(run("--version").output, "vexa-calc " VEXA_VERSION "\n");
}

#if defined(VEXA_PDF_PRINTOUTS) && defined(VEXA_WORKBOOKS) && defined(VEXA_DXF)
// One target that cannot be written, and no file is replaced: the others
// keep their old contents, nothing is left beside them, and the table is not
// written. A network without sections draws no profiles, and writes nothing.
TEST_F(BatchEndToEnd, ANetworkWritesAllItsFilesOrNone) {
    fs::copy_file(data("network/hand_worked.csv"), scratch / "siec.csv");
    std::ofstream(scratch / "w.xlsx") << "stary";
    std::ofstream(scratch / "p.pdf") << "stary";
    const std::string network = "--katalog \"" + (fs::path(VEXA_SOURCE_DIR) / "pipe_vexa.dat").string() +
                                "\" --siec siec.csv --wyniki-xlsx w.xlsx --profile p.pdf ";
    const auto files = [&] {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(scratch.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };
    CalcRun result = run(network + "--profile-dxf brak/p.dxf");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(result.errors, "vexa-calc: Nie można zapisać zbioru brak/p.dxf: nie ma takiego folderu\n");
    EXPECT_EQ(fileContents(scratch / "w.xlsx"), "stary");
    EXPECT_EQ(fileContents(scratch / "p.pdf"), "stary");
    const std::vector<std::string> before{"p.pdf", "siec.csv", "stderr.txt", "stdin.txt", "stdout.txt", "w.xlsx"};
    EXPECT_EQ(files(), before);

    fs::create_directory(scratch / "p.dxf");
    result = run(network + "--profile-dxf p.dxf");
    EXPECT_EQ(result.errors, "vexa-calc: Nie można zapisać zbioru p.dxf: istnieje folder o tej nazwie\n");
    EXPECT_EQ(fileContents(scratch / "w.xlsx"), "stary");
    fs::remove(scratch / "p.dxf");

    result = run(network + "--profile-dxf p.dxf");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(fileContents(scratch / "w.xlsx").substr(0, 2), "PK");
    EXPECT_EQ(fileContents(scratch / "p.pdf").substr(0, 5), "%PDF-");
    EXPECT_NE(fileContents(scratch / "p.dxf").find("EOF"), std::string::npos);

    std::ofstream(scratch / "pusta.csv")
        << "Odcinek;Od;Do;Dlugosc;TerenOd;TerenDo;Doplyw;Typ;Srednica;SDR;Scieki;Opory;"
           "KryteriumDoboru;HdMax\n";
    result = run("--siec pusta.csv --wyniki-xlsx e.xlsx --profile e.pdf --katalog \"" +
                 (fs::path(VEXA_SOURCE_DIR) / "pipe_vexa.dat").string() + "\"");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.errors, "vexa-calc: sieć nie ma odcinków, więc nie ma profili do narysowania\n");
    EXPECT_FALSE(fs::exists(scratch / "e.xlsx"));
}
#endif

}  // namespace
}  // namespace vexa

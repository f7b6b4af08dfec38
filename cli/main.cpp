// vexa-calc: the design calculation of the design window for batches of
// sections, without a display.

#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "cli/batch_run.h"

namespace {

constexpr const char* kUsage =
    "Użycie: vexa-calc [--katalog ZBIÓR] [--cp1250] [--stan] [--notatnik ZBIÓR] [ZBIÓR]\n"
    "\n"
    "Oblicza odcinki projektowe tak jak okno projektowe programu Vexa.\n"
    "Odcinki czytane są z ZBIORU lub ze standardowego wejścia, jeden w wierszu,\n"
    "pola rozdzielone znakiem \";\":\n"
    "  Odcinek;Typ;Srednica;SDR;Scieki;Opory;Q;Spadek;KryteriumSpadku;Od;Do;\n"
    "  KryteriumDoboru;HdMax\n"
    "Pierwszy wiersz zaczynający się od \"Odcinek\" jest nagłówkiem i jest pomijany.\n"
    "\n"
    "  --katalog ZBIÓR  katalog rur zamiast \"pipe_vexa.dat\" w bieżącym katalogu\n"
    "  --cp1250         wejście i wyjście w stronie kodowej 1250 zamiast UTF-8\n"
    "  --stan           dopisuje dokładne wartości d, qm, hnd, vwy, tau, i, k, sdr\n"
    "  --notatnik ZBIÓR każdy wynik zapisuje do notatnika (\"Zapis\", potem \"Powrót\"),\n"
    "                   a na końcu zapisuje notatnik do ZBIORU tak jak \"Zapis notatnika\";\n"
    "                   odcinek bez nazwy dostaje nazwę domyślną \"Odcinek nr N\",\n"
    "                   odmowy zapisu (np. 21. wynik) trafiają na standardowe wyjście błędów\n"
    "  --help           wyświetla ten opis\n"
    "\n"
    "Kod wyjścia: 0 - wszystkie wiersze przeczytane, 1 - błędny wiersz,\n"
    "2 - problem z katalogiem, zbiorem wejściowym, zbiorem notatnika lub opcjami.\n";

}  // namespace

int main(int argc, char** argv) {
    vexa::BatchOptions options;
    std::string inputFile;
    for (int n = 1; n < argc; ++n) {
        const std::string_view argument = argv[n];
        if (argument == "--help") {
            std::cout << kUsage;
            return 0;
        } else if (argument == "--cp1250") {
            options.cp1250 = true;
        } else if (argument == "--stan") {
            options.withState = true;
        } else if (argument == "--katalog" && n + 1 < argc) {
            options.catalogue = argv[++n];
        } else if (argument == "--notatnik" && n + 1 < argc) {
            options.notebookFile = argv[++n];
        } else if (!argument.starts_with("--") && inputFile.empty()) {
            inputFile = argument;
        } else {
            std::cerr << "vexa-calc: nieznana lub niepełna opcja \"" << argument << "\"\n\n" << kUsage;
            return vexa::kBatchFileProblem;
        }
    }
    if (inputFile.empty()) return vexa::runBatch(options, std::cin, std::cout, std::cerr);
    std::ifstream input(inputFile, std::ios::binary);
    if (!input) {
        std::cerr << vexa::outputText(options, "vexa-calc: nie można odczytać zbioru \"" + inputFile + "\"")
                  << '\n';
        return vexa::kBatchFileProblem;
    }
    return vexa::runBatch(options, input, std::cout, std::cerr);
}

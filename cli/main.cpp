// vexa-calc: the design calculation of the design window for batches of
// sections, without a display.

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "cli/batch_run.h"
#ifdef VEXA_PDF_PRINTOUTS
#include "qt/pdf_printouts.h"
#endif
#include "toolkit/errors.h"
#include "toolkit/extended.h"
#include "toolkit/numbers.h"

namespace {

constexpr const char* kUsage =
    "Użycie: vexa-calc [--katalog ZBIÓR] [--cp1250] [--stan] [--notatnik ZBIÓR] [--tabela ZBIÓR]\n"
    "                 [--wydruk-tabeli ZBIÓR.pdf] [--wydruk-notatnika ZBIÓR.pdf]\n"
    "                 [--limit-czasu SEKUNDY] [ZBIÓR]\n"
    "\n"
    "Oblicza odcinki projektowe tak jak okno projektowe programu Vexa.\n"
    "Odcinki czytane są z ZBIORU lub ze standardowego wejścia, jeden w wierszu,\n"
    "pola rozdzielone znakiem \";\":\n"
    "  Odcinek;Typ;Srednica;SDR;Scieki;Opory;Q;Spadek;KryteriumSpadku;Od;Do;\n"
    "  KryteriumDoboru;HdMax\n"
    "Pole zaczynające się od cudzysłowu sięga do cudzysłowu zamykającego (\"\" oznacza\n"
    "cudzysłów wewnątrz), więc nazwa odcinka może zawierać \";\". Nazwa zawierająca \";\"\n"
    "lub zaczynająca się od cudzysłowu jest w wynikach zapisywana w cudzysłowie.\n"
    "Pierwszy wiersz zaczynający się od \"Odcinek\" jest nagłówkiem i jest pomijany.\n"
    "\n"
    "  --katalog ZBIÓR  katalog rur zamiast \"pipe_vexa.dat\" w bieżącym katalogu\n"
    "  --cp1250         wejście i wyjście w stronie kodowej 1250 zamiast UTF-8\n"
    "  --stan           dopisuje dokładne wartości d, qm, hnd, vwy, tau, i, k, sdr\n"
    "  --notatnik ZBIÓR każdy wynik zapisuje do notatnika (\"Zapis\", potem \"Powrót\"),\n"
    "                   a na końcu zapisuje notatnik do ZBIORU tak jak \"Zapis notatnika\";\n"
    "                   odcinek bez nazwy dostaje nazwę domyślną \"Odcinek nr N\",\n"
    "                   odmowy zapisu (np. 21. wynik) trafiają na standardowe wyjście błędów\n"
    "  --tabela ZBIÓR   na końcu zapisuje tabelę wyników do ZBIORU tak jak \"Zapis tabeli\"\n"
    "  --wydruk-tabeli ZBIÓR.pdf\n"
    "                   na końcu drukuje tabelę wyników do zbioru PDF (A4 poziomo)\n"
    "                   tak jak \"Wydruk tabeli\"\n"
    "  --wydruk-notatnika ZBIÓR.pdf\n"
    "                   na końcu drukuje notatnik do zbioru PDF (A4) tak jak \"Wydruk notatnika\"\n"
    "  --limit-czasu SEKUNDY\n"
    "                   przerywa obliczenia odcinka po tylu sekundach: jego wiersz dostaje \"!\"\n"
    "                   i opis przerwania, a obliczenia idą dalej od następnego odcinka\n"
    "  --help           wyświetla ten opis\n"
    "\n"
    "Opcje --tabela i --wydruk-... zapisują wyniki do notatnika tak jak --notatnik;\n"
    "łączą się dowolnie i nie wymagają opcji --notatnik.\n"
    "\n"
    "Kod wyjścia: 0 - wszystkie wiersze przeczytane, 1 - błędny wiersz lub błąd programu w wierszu,\n"
    "2 - problem z katalogiem, zbiorem wejściowym, zbiorem zapisywanym na końcu lub opcjami.\n";

// A positive number of seconds, with a decimal comma or point.
std::optional<double> timeLimit(const char* text) {
    try {
        const auto seconds = static_cast<double>(vexa::parseNumber(vexa::withDecimalComma(text)));
        if (seconds > 0 && std::isfinite(seconds)) return seconds;
    } catch (const vexa::ConversionError&) {
    }
    return std::nullopt;
}

int calculate(int argc, char** argv) {
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
        } else if (argument == "--limit-czasu" && n + 1 < argc) {
            const auto seconds = timeLimit(argv[++n]);
            if (!seconds) {
                std::cerr << "vexa-calc: \"" << argv[n] << "\" nie jest dodatnią liczbą sekund\n";
                return vexa::kBatchFileProblem;
            }
            options.timeLimitSeconds = seconds;
        } else if (argument == "--tabela" && n + 1 < argc) {
            options.tableFile = argv[++n];
        } else if (argument == "--wydruk-tabeli" && n + 1 < argc) {
            options.tablePrintout = argv[++n];
        } else if (argument == "--wydruk-notatnika" && n + 1 < argc) {
            options.notebookPrintout = argv[++n];
        } else if (!argument.starts_with("--") && inputFile.empty()) {
            inputFile = argument;
        } else {
            std::cerr << "vexa-calc: nieznana lub niepełna opcja \"" << argument << "\"\n\n" << kUsage;
            return vexa::kBatchFileProblem;
        }
    }
#ifdef VEXA_PDF_PRINTOUTS
    std::unique_ptr<vexa::PdfPrintouts> printouts;
    if (options.tablePrintout || options.notebookPrintout) {
        printouts = std::make_unique<vexa::PdfPrintouts>(argc, argv, "vexa-calc");
        options.pdfPrinter = [&printouts](const std::string& file) { return printouts->printerFor(file); };
    }
#endif
    if (inputFile.empty()) return vexa::runBatch(options, std::cin, std::cout, std::cerr);
    std::ifstream input(inputFile, std::ios::binary);
    if (!input) {
        std::cerr << vexa::outputText(options, "vexa-calc: nie można odczytać zbioru \"" + inputFile + "\"") << '\n';
        return vexa::kBatchFileProblem;
    }
    return vexa::runBatch(options, input, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The output's line ends are vexa-calc's own (LF, or CR LF with
    // --cp1250): no translation by the C runtime.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    if (!vexa::extendedArithmeticHas64Bits()) {
        std::cerr << "vexa-calc: " << vexa::kExtendedArithmeticMissing << '\n';
        return vexa::kBatchFileProblem;
    }
    try {
        return calculate(argc, argv);
    } catch (const std::exception& fault) {
        std::cerr << "vexa-calc: nieoczekiwany błąd programu: " << fault.what() << '\n';
        return vexa::kBatchFileProblem;
    }
}

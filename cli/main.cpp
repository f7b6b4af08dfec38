// vexa-calc: the design calculation of the design window for batches of
// sections, without a display.

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "cli/batch_run.h"
#include "cli/network_run.h"
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

// A network parameter of `option` in units of 10^-decimals (mm from m, say),
// at least `lowest`; a message on standard error and nothing when it is not.
std::optional<long long> networkParameter(const char* option, const char* text, int decimals, long long lowest) {
    std::optional<long long> value;
    try {
        value = vexa::parseScaled(vexa::withDecimalComma(text), decimals);
    } catch (const vexa::ConversionError&) {
        std::cerr << "vexa-calc: " << option << " \"" << text << "\" nie jest liczbą\n";
        return std::nullopt;
    }
    if (!value || *value >= 1'000'000'000'000LL) {
        std::cerr << "vexa-calc: " << option << " \"" << text << "\" leży poza zakresem\n";
        return std::nullopt;
    }
    if (*value < lowest) {
        std::cerr << "vexa-calc: " << option << " \"" << text << "\" nie może być mniejsze od "
                  << vexa::formatScaledGeneral(lowest, decimals) << '\n';
        return std::nullopt;
    }
    return value;
}

int calculate(int argc, char** argv) {
    vexa::BatchOptions options;
    vexa::NetworkParameters parameters;
    std::optional<std::string> networkFile;
    bool networkOptionGiven = false;
    std::string inputFile;
    // The network's parameters, in the units of the design.
    const struct {
        const char* option;
        long long vexa::NetworkParameters::*value;
        int decimals;
        long long lowest;
    } networkOptions[] = {
        {"--przykrycie", &vexa::NetworkParameters::cover, 3, 0},
        {"--spadek-min", &vexa::NetworkParameters::slopeMin, 1, 5},
        {"--spadek-max", &vexa::NetworkParameters::slopeMax, 1, 5},
        {"--q-min", &vexa::NetworkParameters::flowMin, 3, 1000},
        {"--glebokosc-max", &vexa::NetworkParameters::depthMax, 3, 0},
        {"--kaskada", &vexa::NetworkParameters::dropMax, 3, 0},
    };
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
        } else if (argument == "--siec" && n + 1 < argc) {
            networkFile = argv[++n];
        } else if (const auto* parameter = std::find_if(std::begin(networkOptions), std::end(networkOptions),
                                                        [&](const auto& known) { return argument == known.option; });
                   parameter != std::end(networkOptions) && n + 1 < argc) {
            const auto value = networkParameter(parameter->option, argv[++n], parameter->decimals, parameter->lowest);
            if (!value) return vexa::kBatchFileProblem;
            parameters.*parameter->value = *value;
            networkOptionGiven = true;
        } else if (!argument.starts_with("--") && inputFile.empty()) {
            inputFile = argument;
        } else {
            std::cerr << "vexa-calc: nieznana lub niepełna opcja \"" << argument << "\"\n\n" << kUsage;
            return vexa::kBatchFileProblem;
        }
    }
    if (networkFile) {
        if (!inputFile.empty() || options.keepsNotebook()) {
            std::cerr << "vexa-calc: --siec nie łączy się ze zbiorem odcinków ani z opcjami notatnika i tabeli\n";
            return vexa::kBatchFileProblem;
        }
        if (parameters.slopeMax < parameters.slopeMin) {
            std::cerr << "vexa-calc: --spadek-max nie może być mniejsze od --spadek-min ("
                      << vexa::formatScaled(parameters.slopeMin, 1) << ")\n";
            return vexa::kBatchFileProblem;
        }
        std::ifstream input(*networkFile, std::ios::binary);
        if (!input) {
            std::cerr << vexa::outputText(options, "vexa-calc: nie można odczytać zbioru \"" + *networkFile + "\"")
                      << '\n';
            return vexa::kBatchFileProblem;
        }
        return vexa::runNetwork({options, parameters}, input, std::cout, std::cerr);
    }
    if (networkOptionGiven) {
        std::cerr << "vexa-calc: parametry sieci działają tylko z opcją --siec\n";
        return vexa::kBatchFileProblem;
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

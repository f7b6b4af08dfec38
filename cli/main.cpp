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
#include "cli/catalogue_check_run.h"
#include "cli/network_run.h"
#include "cli/output_module.h"
#include "network/network_parameters.h"
#include "toolkit/errors.h"
#include "toolkit/extended.h"
#include "toolkit/numbers.h"

namespace {

constexpr const char* kUsage =
    "Użycie: vexa-calc [--katalog ZBIÓR] [--cp1250] [--stan] [--notatnik ZBIÓR] [--tabela ZBIÓR]\n"
    "                 [--wydruk-tabeli ZBIÓR.pdf] [--wydruk-notatnika ZBIÓR.pdf]\n"
    "                 [--limit-czasu SEKUNDY] [ZBIÓR]\n"
    "       vexa-calc --siec ZBIÓR [--katalog ZBIÓR] [--cp1250] [--stan] [--limit-czasu SEKUNDY]\n"
    "                 [--przykrycie M] [--spadek-min P] [--spadek-max P] [--q-min Q]\n"
    "                 [--glebokosc-max M] [--kaskada M] [--wyniki-xlsx ZBIÓR.xlsx]\n"
    "                 [--profile ZBIÓR.pdf] [--profile-dxf ZBIÓR.dxf] [--skala-pozioma N]\n"
    "                 [--skala-pionowa N]\n"
    "       vexa-calc --sprawdz-katalog [ZBIÓR] [--cp1250]\n"
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
    "  --cp1250         wejście i wyjście w stronie kodowej 1250 zamiast UTF-8; zbiór sieci\n"
    "                   jest czytany w kodowaniu, w którym jest zapisany (UTF-8 albo strona\n"
    "                   kodowa 1250), a --cp1250 wybiera tylko kodowanie wyniku\n"
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
    "  --sprawdz-katalog [ZBIÓR]\n"
    "                   czyta katalog rur (domyślnie \"pipe_vexa.dat\" w bieżącym katalogu) tak jak\n"
    "                   program i wypisuje pierwszy błąd albo jego zawartość (typy z klasą i\n"
    "                   chropowatością, średnice Dz i Dw z numerami katalogowymi, tabelę\n"
    "                   optymalizacji, listy SDR) z uwagami o tym, co jest zapewne pomyłką\n"
    "  --help           wyświetla ten opis\n"
    "\n"
    "Projekt sieci (--siec ZBIÓR): każdy wiersz ZBIORU to odcinek między dwiema studniami:\n"
    "  Odcinek;Od;Do;Dlugosc;TerenOd;TerenDo;Doplyw;Typ;Srednica;SDR;Scieki;Opory;\n"
    "  KryteriumDoboru;HdMax\n"
    "(pierwszy wiersz jest tym nagłówkiem; długość i rzędne terenu w m, dopływ w studni\n"
    "początkowej w l/s, pozostałe pola jak w wierszu odcinka). Odcinki liczone są od góry\n"
    "sieci: przepływ to dopływ i przepływy odcinków wpadających do studni początkowej,\n"
    "spadek jest minimalizowany od spadku terenu (nie mniej niż --spadek-min) do\n"
    "--spadek-max, a rzędne dna łączą się od studni do studni z zachowaniem przykrycia,\n"
    "wyrównania wierzchów rur i z kaskadami. Wynik: jeden wiersz na odcinek w kolejności\n"
    "zbioru:\n"
    "  Odcinek;Od;Do;Dlugosc;Q;Bd;Bnrkat;Bkl;Bk;Bi;Bh;Br;Bv;Bws;Bwp;DnoOd;DnoDo;\n"
    "  PrzykrycieOd;PrzykrycieDo;GlebokoscOd;GlebokoscDo;Kaskada;Uwagi\n"
    "Sieć z błędem (powtórzona nazwa, dwa odpływy ze studni, obieg zamknięty, różne rzędne\n"
    "terenu jednej studni, puste lub błędne pole, niezamknięty cudzysłów) jest odrzucana\n"
    "w całości z opisem wiersza. Zbiory --wyniki-xlsx, --profile i --profile-dxf są zapisywane\n"
    "wszystkie albo żaden.\n"
    "  --przykrycie M   najmniejsze przykrycie nad wierzchem rury [m], domyślnie 1,20\n"
    "  --spadek-min P   najmniejszy spadek [‰], domyślnie 0,5 (od 0,5 do 1000,0)\n"
    "  --spadek-max P   największy spadek [‰], domyślnie 100,0 (od --spadek-min do 1000,0)\n"
    "  --q-min Q        najmniejszy przepływ obliczeniowy [l/s], domyślnie 1,0 (nie mniej niż 1,0)\n"
    "  --glebokosc-max M\n"
    "                   zagłębienie dna [m], powyżej którego odcinek dostaje uwagę, domyślnie 6,00\n"
    "  --kaskada M      spadek dna w studni [m], powyżej którego jest to studnia kaskadowa,\n"
    "                   domyślnie 0,50\n"
    "  --wyniki-xlsx ZBIÓR.xlsx\n"
    "                   zapisuje też tabelę wyników jako skoroszyt programu Excel (liczby jako\n"
    "                   liczby, nagłówek z jednostkami, zablokowany pierwszy wiersz)\n"
    "  --profile ZBIÓR.pdf\n"
    "                   drukuje profile podłużne do zbioru PDF (A3 poziomo): kolektor główny\n"
    "                   każdego wylotu w górę największych przepływów, potem odgałęzienia;\n"
    "                   teren, dno i wierzch rur, studnie, poziom porównawczy i tabela pod rysunkiem\n"
    "  --profile-dxf ZBIÓR.dxf\n"
    "                   zapisuje te same profile jako rysunek DXF (AutoCAD 2000) dla programów CAD:\n"
    "                   arkusz za arkuszem wzdłuż osi x, w metrach (jednostka to metr\n"
    "                   kilometrażu), warstwy TEREN, KANAL, STUDNIE, TABELA i OPISY\n"
    "  --skala-pozioma N, --skala-pionowa N\n"
    "                   skale profili 1:N, domyślnie 1:1000 i 1:100\n"
    "\n"
    "Opcje --tabela i --wydruk-... zapisują wyniki do notatnika tak jak --notatnik;\n"
    "łączą się dowolnie i nie wymagają opcji --notatnik.\n"
    "\n"
    "Kod wyjścia: 0 - wszystkie wiersze przeczytane, 1 - błędny wiersz lub błąd programu w wierszu,\n"
    "2 - problem z katalogiem, zbiorem wejściowym, zbiorem zapisywanym na końcu lub opcjami.\n"
    "Z --siec: 0 - sieć zaprojektowana (odcinek bez wyniku ma \"!\" i opis w kolumnie Bnrkat),\n"
    "1 - błąd programu w odcinku (jego wiersz ma \"!\", opis idzie też na standardowe wyjście błędów),\n"
    "2 - sieć odrzucona lub problem z katalogiem, zbiorem albo opcjami; nic nie jest wypisywane.\n"
    "Z --sprawdz-katalog: 0 - katalog wczytuje się, 2 - katalog odrzucony lub błędne opcje.\n";

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
// from `lowest` to `highest`; a message on standard error and nothing when it
// is not.
std::optional<long long> networkParameter(const char* option, const char* text, int decimals, long long lowest,
                                          long long highest) {
    const vexa::ScaledReading reading = vexa::readScaledInRange(text, decimals, lowest, highest);
    if (!reading.value) std::cerr << "vexa-calc: " << option << " " << reading.problem << '\n';
    return reading.value;
}

// 1:N for a profile's scales: from full size to a sheet holding 100 km.
constexpr long long kLargestScale = 1'000'000;

int calculate(int& argc, char** argv) {
    vexa::BatchOptions options;
    vexa::OutputModule outputs(argc, argv);
    options.outputBackEnds = [&outputs]() -> vexa::OutputBackEnds& { return outputs.backEnds(); };
    vexa::NetworkParameters parameters;
    std::optional<std::string> networkFile;
    std::optional<std::string> workbookFile;
    std::optional<std::string> profileFile;
    std::optional<std::string> profileDxfFile;
    vexa::ProfileScales scales;
    bool networkOptionGiven = false;
    bool checkCatalogueOnly = false;
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
        } else if (argument == "--sprawdz-katalog") {
            checkCatalogueOnly = true;
            if (n + 1 < argc && !std::string_view(argv[n + 1]).starts_with("--")) options.catalogue = argv[++n];
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
        } else if (argument == "--wyniki-xlsx" && n + 1 < argc) {
            workbookFile = argv[++n];
            networkOptionGiven = true;
        } else if (argument == "--profile" && n + 1 < argc) {
            profileFile = argv[++n];
            networkOptionGiven = true;
        } else if (argument == "--profile-dxf" && n + 1 < argc) {
            profileDxfFile = argv[++n];
            networkOptionGiven = true;
        } else if ((argument == "--skala-pozioma" || argument == "--skala-pionowa") && n + 1 < argc) {
            // A whole number: read in thousandths, so that "1,5" is refused, not rounded.
            const auto scale = networkParameter(argv[n], argv[n + 1], 3, 1000, kLargestScale * 1000);
            ++n;
            if (!scale) return vexa::kBatchFileProblem;
            if (*scale % 1000 != 0) {
                std::cerr << "vexa-calc: " << argument << " \"" << argv[n] << "\" nie jest liczbą całkowitą\n";
                return vexa::kBatchFileProblem;
            }
            (argument == "--skala-pozioma" ? scales.horizontal : scales.vertical) = *scale / 1000;
            networkOptionGiven = true;
        } else if (const auto* parameter =
                       std::find_if(vexa::kNetworkParameterRules.begin(), vexa::kNetworkParameterRules.end(),
                                    [&](const auto& known) { return argument == known.option; });
                   parameter != vexa::kNetworkParameterRules.end() && n + 1 < argc) {
            const auto value = networkParameter(parameter->option, argv[++n], parameter->decimals, parameter->lowest,
                                                parameter->highest);
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
    if (checkCatalogueOnly) {
        // A file or an option meant for a calculation would be silently left out.
        if (!inputFile.empty() || networkFile || networkOptionGiven || options.keepsNotebook() || options.withState ||
            options.timeLimitSeconds) {
            std::cerr << "vexa-calc: --sprawdz-katalog łączy się tylko z --katalog i --cp1250\n";
            return vexa::kBatchFileProblem;
        }
        return vexa::checkCatalogue(options, std::cout, std::cerr);
    }
    if (networkFile) {
        if (!inputFile.empty() || options.keepsNotebook()) {
            std::cerr << "vexa-calc: --siec nie łączy się ze zbiorem odcinków ani z opcjami notatnika i tabeli\n";
            return vexa::kBatchFileProblem;
        }
        if (const auto problem = vexa::orderProblem(parameters)) {
            std::cerr << "vexa-calc: " << problem->rule->option << " " << problem->problem << '\n';
            return vexa::kBatchFileProblem;
        }
        std::ifstream input(*networkFile, std::ios::binary);
        if (!input) {
            std::cerr << vexa::outputText(options, "vexa-calc: nie można odczytać zbioru \"" + *networkFile + "\"")
                      << '\n';
            return vexa::kBatchFileProblem;
        }
        const vexa::NetworkRunOptions run{options, parameters, workbookFile, profileFile, profileDxfFile, scales};
        return vexa::runNetwork(run, input, std::cout, std::cerr);
    }
    if (networkOptionGiven) {
        std::cerr << "vexa-calc: parametry sieci działają tylko z opcją --siec\n";
        return vexa::kBatchFileProblem;
    }
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

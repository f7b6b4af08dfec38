#include "cli/command_line.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <ostream>
#include <string_view>
#include <vector>

#include "batch/batch_section.h"
#include "network/network_columns.h"
#include "network/network_file.h"
#include "network/network_parameters.h"
#include "network/network_project.h"
#include "toolkit/delimited_fields.h"
#include "toolkit/errors.h"
#include "toolkit/numbers.h"
#include "toolkit/text.h"
#include "toolkit/text_file.h"
#include "toolkit/version.h"

namespace vexa {
namespace {

// The modes an option may be given in.
enum : unsigned { kBatchMode = 1, kNetworkMode = 2, kCheckMode = 4 };
// Where --help lists an option.
enum class HelpGroup { Common, Batch, Check, Network, Information };

// What an option sets from its value (empty without one), named `name`;
// false when the value is refused, its message said on `errors`.
using Apply =
    std::function<bool(CommandLine&, const std::string& name, const std::string& value, std::ostream& errors)>;

struct CalcOption {
    std::string name;
    std::string value;  // its value's name in the usage; empty: it takes none
    bool valueOptional = false;
    unsigned modes = 0;
    HelpGroup group = HelpGroup::Common;
    std::string help;  // lines parted by "\n"
    Apply apply;
    bool choosesMode = false;  // the option that makes its one mode (--siec)
};

bool refuse(std::ostream& errors, const std::string& message) {
    errors << "vexa-calc: " << message << '\n';
    return false;
}

// A number of `option` in units of 10^-decimals, from `lowest` to `highest`.
std::optional<long long> scaled(const std::string& option, const std::string& text, int decimals, long long lowest,
                                long long highest, std::ostream& errors) {
    const ScaledReading reading = readScaledInRange(text, decimals, lowest, highest);
    if (!reading.value) refuse(errors, option + " " + reading.problem);
    return reading.value;
}

// 1:N for a profile's scales: from full size to a sheet holding 100 km.
constexpr long long kLargestScale = 1'000'000;

// A whole 1:N: read in thousandths, so that "1,5" is refused, not rounded.
Apply scale(long long ProfileScales::*which) {
    return [which](CommandLine& line, const std::string& name, const std::string& value, std::ostream& errors) {
        const auto thousandths = scaled(name, value, 3, 1000, kLargestScale * 1000, errors);
        if (!thousandths) return false;
        if (*thousandths % 1000 != 0) return refuse(errors, name + " \"" + value + "\" nie jest liczbą całkowitą");
        line.network.scales.*which = *thousandths / 1000;
        return true;
    };
}

// The option naming a project file, read before every other.
constexpr const char* kProjectOption = "--parametry";

// An option that names a file: where the file's name goes.
Apply fileIn(std::optional<std::string>& (*where)(CommandLine&)) {
    return [where](CommandLine& line, const std::string&, const std::string& value, std::ostream&) {
        where(line) = value;
        return true;
    };
}

// An option read into the network's parameters by `read`, which says why it
// cannot be.
using ParameterReading = std::function<std::optional<std::string>(std::string_view, NetworkParameters&)>;
Apply intoParameters(ParameterReading read) {
    return [read = std::move(read)](CommandLine& line, const std::string& name, const std::string& value,
                                    std::ostream& errors) {
        const auto problem = read(value, line.network.parameters);
        return !problem || refuse(errors, name + " " + *problem);
    };
}

// A positive number of seconds, with a decimal comma or point.
bool setTimeLimit(CommandLine& line, const std::string&, const std::string& value, std::ostream& errors) {
    try {
        const auto seconds = static_cast<double>(parseNumber(withDecimalComma(value)));
        if (seconds > 0 && std::isfinite(seconds)) {
            line.network.batch.timeLimitSeconds = seconds;
            return true;
        }
    } catch (const ConversionError&) {
    }
    return refuse(errors, "\"" + value + "\" nie jest dodatnią liczbą sekund");
}

const std::vector<CalcOption>& options() {
    static const std::vector<CalcOption> table = [] {
        constexpr unsigned kCalculations = kBatchMode | kNetworkMode;
        constexpr unsigned kAll = kCalculations | kCheckMode;
        std::vector<CalcOption> all{
            {"--katalog", "ZBIÓR", false, kAll, HelpGroup::Common,
             "katalog rur zamiast \"pipe_vexa.dat\" w bieżącym katalogu",
             [](CommandLine& line, const std::string&, const std::string& value, std::ostream&) {
                 line.network.batch.catalogue = value;
                 return true;
             }},
            {"--cp1250", "", false, kAll, HelpGroup::Common,
             "wejście i wyjście w stronie kodowej 1250 zamiast UTF-8; zbiór sieci\n"
             "jest czytany w kodowaniu, w którym jest zapisany (UTF-8 albo strona\n"
             "kodowa 1250), a --cp1250 wybiera tylko kodowanie wyniku",
             [](CommandLine& line, const std::string&, const std::string&, std::ostream&) {
                 line.network.batch.cp1250 = true;
                 return true;
             }},
            {"--stan", "", false, kCalculations, HelpGroup::Common,
             "dopisuje dokładne wartości d, qm, hnd, vwy, tau, i, k, sdr",
             [](CommandLine& line, const std::string&, const std::string&, std::ostream&) {
                 line.network.batch.withState = true;
                 return true;
             }},
            {"--limit-czasu", "SEKUNDY", false, kCalculations, HelpGroup::Common,
             "przerywa obliczenia odcinka po tylu sekundach: jego wiersz dostaje \"!\"\n"
             "i opis przerwania, a obliczenia idą dalej od następnego odcinka",
             setTimeLimit},
            {"--notatnik", "ZBIÓR", false, kBatchMode, HelpGroup::Batch,
             "każdy wynik zapisuje do notatnika (\"Zapis\", potem \"Powrót\"),\n"
             "a na końcu zapisuje notatnik do ZBIORU tak jak \"Zapis notatnika\";\n"
             "odcinek bez nazwy dostaje nazwę domyślną \"Odcinek nr N\",\n"
             "odmowy zapisu (np. 21. wynik) trafiają na standardowe wyjście błędów",
             fileIn([](CommandLine& line) -> std::optional<std::string>& { return line.network.batch.notebookFile; })},
            {"--tabela", "ZBIÓR", false, kBatchMode, HelpGroup::Batch,
             "na końcu zapisuje tabelę wyników do ZBIORU tak jak \"Zapis tabeli\"",
             fileIn([](CommandLine& line) -> std::optional<std::string>& { return line.network.batch.tableFile; })},
            {"--wydruk-tabeli", "ZBIÓR.pdf", false, kBatchMode, HelpGroup::Batch,
             "na końcu drukuje tabelę wyników do zbioru PDF (A4 poziomo)\ntak jak \"Wydruk tabeli\"",
             fileIn([](CommandLine& line) -> std::optional<std::string>& { return line.network.batch.tablePrintout; })},
            {"--wydruk-notatnika", "ZBIÓR.pdf", false, kBatchMode, HelpGroup::Batch,
             "na końcu drukuje notatnik do zbioru PDF (A4) tak jak \"Wydruk notatnika\"",
             fileIn(
                 [](CommandLine& line) -> std::optional<std::string>& { return line.network.batch.notebookPrintout; })},
            {"--sprawdz-katalog", "ZBIÓR", true, kCheckMode, HelpGroup::Check,
             "czyta katalog rur (domyślnie \"pipe_vexa.dat\" w bieżącym katalogu) tak jak\n"
             "program i wypisuje pierwszy błąd albo jego zawartość (typy z klasą i\n"
             "chropowatością, średnice Dz i Dw z numerami katalogowymi, tabelę\n"
             "optymalizacji, listy SDR) z uwagami o tym, co jest zapewne pomyłką",
             [](CommandLine& line, const std::string&, const std::string& value, std::ostream&) {
                 line.mode = CalcMode::CatalogueCheck;
                 if (!value.empty()) line.network.batch.catalogue = value;
                 return true;
             },
             true},
            {"--siec", "ZBIÓR", false, kNetworkMode, HelpGroup::Network, "projekt całej sieci z ZBIORU (opis powyżej)",
             fileIn([](CommandLine& line) -> std::optional<std::string>& { return line.networkFile; }), true},
            {kProjectOption, "ZBIÓR.vexa", false, kNetworkMode, HelpGroup::Network,
             "parametry projektu z ZBIORU, który okno sieci zapisuje obok sieci: wiersze\n"
             "klucz=wartość, a klucz to nazwa opcji bez kresek (przykrycie=1,2); opcje\n"
             "podane w wierszu poleceń mają pierwszeństwo",
             // Read before the other options (readProject).
             [](CommandLine&, const std::string&, const std::string&, std::ostream&) { return true; }},
        };
        for (const NetworkParameterRule& rule : kNetworkParameterRules)
            all.push_back({rule.option, rule.valueName, false, kNetworkMode, HelpGroup::Network, rule.help,
                           intoParameters([&rule](std::string_view value, NetworkParameters& parameters) {
                               return readParameter(rule, value, parameters);
                           })});
        all.push_back({"--polaczenie", "korony|zwierciadla", false, kNetworkMode, HelpGroup::Network,
                       "jak łączą się rury w studni: korony (domyślnie) - wierzchem rury nie wyżej\n"
                       "niż wierzch rur wpadających; zwierciadla - także zwierciadłem ścieków przy\n"
                       "przepływie obliczeniowym nie wyżej niż zwierciadło w rurach wpadających",
                       intoParameters(readJunction)});
        all.push_back({"--dno-wylotu", "NAZWA=RZĘDNA", false, kNetworkMode, HelpGroup::Network,
                       "rzędna dna kanału [m], do którego wpada wylot NAZWA (można podać wiele razy):\n"
                       "odcinek kończący się w tym wylocie dostaje uwagę, gdy jego dno leży niżej niż\n"
                       "dno odbiornika albo wyżej o więcej niż --kaskada; rzędne się nie zmieniają",
                       intoParameters(readReceivingInvert)});
        all.push_back(
            {"--deszcz-tabela", "ZBIÓR", false, kNetworkMode, HelpGroup::Network,
             "natężenia deszczu z ZBIORU zamiast wzoru Błaszczyka: wiersz \"t;q\" na czas\n"
             "trwania [min] i natężenie [l/(s·ha)], czasy rosnące, natężenia malejące,\n"
             "co najmniej dwa wiersze; między wierszami interpolacja log-log",
             fileIn([](CommandLine& line) -> std::optional<std::string>& { return line.network.rainTableFile; })});
        const std::vector<CalcOption> outputs{
            {"--wyniki-xlsx", "ZBIÓR.xlsx", false, kNetworkMode, HelpGroup::Network,
             "zapisuje też tabelę wyników jako skoroszyt programu Excel (liczby jako\n"
             "liczby, nagłówek z jednostkami, zablokowany pierwszy wiersz)",
             fileIn([](CommandLine& line) -> std::optional<std::string>& { return line.network.workbookFile; })},
            {"--profile", "ZBIÓR.pdf", false, kNetworkMode, HelpGroup::Network,
             "drukuje profile podłużne do zbioru PDF (A3 poziomo): kolektor główny\n"
             "każdego wylotu w górę największych przepływów, potem odgałęzienia;\n"
             "teren, dno i wierzch rur, studnie, poziom porównawczy i tabela pod rysunkiem",
             fileIn([](CommandLine& line) -> std::optional<std::string>& { return line.network.profileFile; })},
            {"--profile-dxf", "ZBIÓR.dxf", false, kNetworkMode, HelpGroup::Network,
             "zapisuje te same profile jako rysunek DXF (AutoCAD 2000) dla programów CAD:\n"
             "arkusz za arkuszem wzdłuż osi x, w metrach (jednostka to metr\n"
             "kilometrażu), warstwy TEREN, KANAL, ZWIERCIADLO, STUDNIE, TABELA i OPISY",
             fileIn([](CommandLine& line) -> std::optional<std::string>& { return line.network.profileDxfFile; })},
            {"--swmm", "ZBIÓR.inp", false, kNetworkMode, HelpGroup::Network,
             "zapisuje zaprojektowaną sieć jako model programu EPA SWMM 5 (LPS, fala\n"
             "dynamiczna): węzeł w każdej studni, swobodny wylot, kanał kołowy na odcinek z\n"
             "rzędnymi, stałe dopływy; odcinki bez wyniku pominięte z komentarzem",
             fileIn([](CommandLine& line) -> std::optional<std::string>& { return line.network.swmmFile; })},
            {"--skala-pozioma", "N", false, kNetworkMode, HelpGroup::Network,
             "skala pozioma profili 1:N, domyślnie 1:1000", scale(&ProfileScales::horizontal)},
            {"--skala-pionowa", "N", false, kNetworkMode, HelpGroup::Network,
             "skala pionowa profili 1:N, domyślnie 1:100", scale(&ProfileScales::vertical)},
            {"--dokladnosc-rzednych", "2|3", false, kNetworkMode, HelpGroup::Network,
             "liczba miejsc po przecinku rzędnych, zagłębień i odległości w tabeli\n"
             "profili, domyślnie 2 (tabela wyników i eksporty zawsze w milimetrach)",
             [](CommandLine& line, const std::string& name, const std::string& value, std::ostream& errors) {
                 if (value != "2" && value != "3") return refuse(errors, name + " \"" + value + "\" nie jest 2 ani 3");
                 line.network.scales.levelDecimals = value == "2" ? 2 : 3;
                 return true;
             }},
            {"--help", "", false, kAll, HelpGroup::Information, "wyświetla ten opis",
             [](CommandLine& line, const std::string&, const std::string&, std::ostream&) {
                 line.mode = CalcMode::Help;
                 return true;
             }},
            {"--version", "", false, kAll, HelpGroup::Information, "wyświetla wersję programu",
             [](CommandLine& line, const std::string&, const std::string&, std::ostream&) {
                 line.mode = CalcMode::Version;
                 return true;
             }},
        };
        all.insert(all.end(), outputs.begin(), outputs.end() - 2);
        // The title blocks' texts, on one line each as in the project file.
        for (const ProjectDataField& field : kProjectDataFields) {
            std::string help = field.member == &ProjectData::heightDatum
                                   ? "nazwa układu wysokości w legendzie arkuszy profili,\n"
                                     "domyślnie " +
                                         std::string(field.defaultValue)
                                   : std::string("tabliczka rysunkowa profili: ") + field.label;
            all.push_back({std::string("--") + field.key, "TEKST", false, kNetworkMode, HelpGroup::Network, help,
                           [&field](CommandLine& line, const std::string&, const std::string& value, std::ostream&) {
                               line.network.project.*field.member = text::withoutControlCharacters(value);
                               return true;
                           }});
        }
        all.insert(all.end(), outputs.end() - 2, outputs.end());
        return all;
    }();
    return table;
}

// The option that makes a mode (--siec); none for a batch.
const CalcOption* modeOption(unsigned mode) {
    for (const CalcOption& option : options())
        if (option.choosesMode && option.modes == mode) return &option;
    return nullptr;
}

// An option as the usage names it: "--siec ZBIÓR", "--sprawdz-katalog [ZBIÓR]".
std::string withValue(const CalcOption& option) {
    if (option.value.empty()) return option.name;
    return option.name + (option.valueOptional ? " [" + option.value + "]" : " " + option.value);
}

// "--siec ZBIÓR [--katalog ZBIÓR] [--cp1250] ..." of the options a mode
// takes, wrapped under the program's name.
std::string synopsis(unsigned mode, const std::string& after) {
    std::vector<std::string> words;
    if (const CalcOption* chooser = modeOption(mode)) words.push_back(withValue(*chooser));
    for (const CalcOption& option : options()) {
        if (!(option.modes & mode) || option.group == HelpGroup::Information || option.choosesMode) continue;
        words.push_back("[" + withValue(option) + "]");
    }
    if (!after.empty()) words.push_back(after);
    std::string text = "       vexa-calc", line = text;
    for (const std::string& word : words) {
        if (text::length(line) + 1 + text::length(word) > 96) {
            text += "\n                ";
            line = "                ";
        }
        text += " " + word;
        line += " " + word;
    }
    return text + "\n";
}

// The options of a group, each with what it does under it.
std::string optionList(HelpGroup group) {
    std::string text;
    for (const CalcOption& option : options()) {
        if (option.group != group) continue;
        const std::string head = "  " + withValue(option);
        std::string help = option.help;
        std::size_t at = 0;
        bool first = true;
        while (at <= help.size()) {
            const std::size_t end = std::min(help.find('\n', at), help.size());
            const std::string part = help.substr(at, end - at);
            if (first && text::length(head) < 19) {
                text += head + std::string(19 - text::length(head), ' ') + part + "\n";
            } else {
                if (first) text += head + "\n";
                text += std::string(19, ' ') + part + "\n";
            }
            first = false;
            at = end + 1;
        }
    }
    return text;
}

// Keys joined by ";" and wrapped after `width` characters at a separator.
std::string keys(const std::string& head, std::size_t width) {
    std::string text = "  ", line = "  ";
    std::size_t at = 0;
    while (at < head.size()) {
        std::size_t end = head.find(';', at);
        end = end == std::string::npos ? head.size() : end + 1;
        const std::string key = head.substr(at, end - at);
        if (line.size() + key.size() > width) {
            text += "\n  ";
            line = "  ";
        }
        text += key;
        line += key;
        at = end;
    }
    return text + "\n";
}

std::string batchHead() {
    std::string head;
    for (const char* name : kBatchFieldNames) head += (head.empty() ? "" : ";") + std::string(name);
    return head;
}

// "--katalog i --cp1250": the options a catalogue check takes.
std::string checkOptions() {
    std::vector<std::string> names;
    for (const CalcOption& option : options())
        if ((option.modes & kCheckMode) && option.group != HelpGroup::Information && !option.choosesMode)
            names.push_back(option.name);
    std::string text;
    for (std::size_t n = 0; n < names.size(); ++n)
        text += (n == 0 ? "" : n + 1 == names.size() ? " i " : ", ") + names[n];
    return text;
}

}  // namespace

std::string usageText() {
    std::string usage = synopsis(kBatchMode, "[ZBIÓR]");
    usage.replace(0, 7, "Użycie: ");
    usage += synopsis(kNetworkMode, "");
    usage += synopsis(kCheckMode, "");
    usage += "       vexa-calc --help | --version\n";
    usage +=
        "\n"
        "Oblicza odcinki projektowe tak jak okno projektowe programu Vexa.\n"
        "Odcinki czytane są z ZBIORU lub ze standardowego wejścia, jeden w wierszu,\n"
        "pola rozdzielone znakiem \";\":\n" +
        keys(batchHead(), 60) +
        "Pole zaczynające się od cudzysłowu sięga do cudzysłowu zamykającego (\"\" oznacza\n"
        "cudzysłów wewnątrz), więc nazwa odcinka może zawierać \";\". Nazwa zawierająca \";\"\n"
        "lub zaczynająca się od cudzysłowu jest w wynikach zapisywana w cudzysłowie.\n"
        "Pierwszy wiersz zaczynający się od \"Odcinek\" jest nagłówkiem i jest pomijany.\n"
        "\n" +
        optionList(HelpGroup::Common) + optionList(HelpGroup::Batch) + optionList(HelpGroup::Check) +
        optionList(HelpGroup::Information) +
        "\n"
        "Projekt sieci (--siec ZBIÓR): każdy wiersz ZBIORU to odcinek między dwiema studniami:\n" +
        keys(kNetworkHeadLine, 60) +
        "(pierwszy wiersz jest tym nagłówkiem albo kończy się na HdMax; długość i rzędne terenu\n"
        "w m, dopływ w studni początkowej w l/s, pozostałe pola jak w wierszu odcinka;\n"
        "Zlewnia to powierzchnia zlewni spływającej do studni początkowej w ha, a Psi jej\n"
        "współczynnik spływu od 0 do 1, wymagany przy zlewni większej od zera). Odcinki liczone\n"
        "są od góry sieci: przepływ to dopływ i przepływy odcinków wpadających do studni początkowej,\n"
        "spadek jest minimalizowany od spadku terenu (nie mniej niż --spadek-min) do\n"
        "--spadek-max, a rzędne dna łączą się od studni do studni z zachowaniem przykrycia,\n"
        "wyrównania wierzchów rur i z kaskadami. Wynik: jeden wiersz na odcinek w kolejności\n"
        "zbioru:\n" +
        keys(networkResultsHead(false), 60) +
        "Sieć ze zlewniami jest siecią deszczową: przepływ odcinka to przepływ sanitarny i deszczowy\n"
        "Qdeszcz = q · ΣFzr z całej zlewni powyżej, gdzie natężenie q (wzór Błaszczyka albo\n"
        "--deszcz-tabela) odpowiada czasowi trwania deszczu td = --czas-splywu + --retencja ·\n"
        "(czas przepływu kanałami do końca odcinka), nie krócej niż --czas-min. Czas przepływu\n"
        "odcinka tp wynika z prędkości dobranej rury, więc odcinek jest liczony kolejno, aż\n"
        "przepływ się powtórzy (najwyżej 10 razy; bez powtórzenia uwaga \"brak zbieżności czasu\n"
        "przepływu\"). Przed kolumną Uwagi wynik ma wtedy kolumny Fzr;tp;td;q;Qdeszcz.\n" +
        "Sieć z błędem (powtórzona nazwa, dwa odpływy ze studni, obieg zamknięty, różne rzędne\n"
        "terenu jednej studni, puste lub błędne pole, niezamknięty cudzysłów) jest odrzucana\n"
        "w całości z opisem wiersza. Zbiory --wyniki-xlsx, --profile i --profile-dxf są zapisywane\n"
        "wszystkie albo żaden.\n" +
        optionList(HelpGroup::Network) +
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
    return usage;
}

namespace {

// A project's parameters under those of the command line: --parametry.
bool readProject(CommandLine& line, const std::string& name, const std::string& fileName, std::ostream& errors) {
    try {
        const NetworkProject project = readNetworkProject(text_file::readBytes(fileName));
        applyProject(project, fileName, line.network.parameters, line.network.rainTableFile, line.network.project);
    } catch (const ProjectError& problem) {
        return refuse(errors, name.substr(2) + " \"" + fileName + "\": " + problem.what());
    } catch (const std::runtime_error&) {  // the file cannot be read
        return refuse(errors, "nie można odczytać zbioru \"" + fileName + "\"");
    }
    return true;
}

}  // namespace

std::optional<int> readCommandLine(int argc, char** argv, CommandLine& line, std::ostream& errors) {
    // A project's parameters first, so that the options given beside it win.
    for (int n = 1; n + 1 < argc; ++n)
        if (argv[n] == std::string_view(kProjectOption) && !readProject(line, kProjectOption, argv[n + 1], errors))
            return kBatchFileProblem;
    std::vector<const CalcOption*> given;
    for (int n = 1; n < argc; ++n) {
        const std::string argument = argv[n];
        const auto option = std::find_if(options().begin(), options().end(),
                                         [&](const CalcOption& known) { return known.name == argument; });
        if (option == options().end()) {
            if (!argument.starts_with("--") && line.inputFile.empty()) {
                line.inputFile = argument;
                continue;
            }
            errors << "vexa-calc: nieznana lub niepełna opcja \"" << argument << "\"\n\n" << usageText();
            return kBatchFileProblem;
        }
        std::string value;
        if (!option->value.empty()) {
            const bool next =
                n + 1 < argc && !(option->valueOptional && std::string_view(argv[n + 1]).starts_with("--"));
            if (next) {
                value = argv[++n];
            } else if (!option->valueOptional) {
                errors << "vexa-calc: nieznana lub niepełna opcja \"" << argument << "\"\n\n" << usageText();
                return kBatchFileProblem;
            }
        }
        if (!option->apply(line, option->name, value, errors)) return kBatchFileProblem;
        if (line.mode == CalcMode::Help || line.mode == CalcMode::Version) return std::nullopt;
        given.push_back(&*option);
    }

    // The mode: a catalogue check, a network, or a batch; an option the mode
    // does not take would be silently left out.
    if (line.mode != CalcMode::CatalogueCheck && line.networkFile) line.mode = CalcMode::Network;
    const unsigned mode = line.mode == CalcMode::CatalogueCheck ? kCheckMode
                          : line.mode == CalcMode::Network      ? kNetworkMode
                                                                : kBatchMode;
    const auto stray =
        std::find_if(given.begin(), given.end(), [mode](const CalcOption* option) { return !(option->modes & mode); });
    const std::string network = modeOption(kNetworkMode)->name;
    if (mode == kCheckMode && (stray != given.end() || !line.inputFile.empty())) {
        errors << "vexa-calc: " << modeOption(kCheckMode)->name << " łączy się tylko z " << checkOptions() << '\n';
        return kBatchFileProblem;
    }
    if (mode == kNetworkMode && !line.inputFile.empty()) {
        errors << "vexa-calc: " << network << " nie łączy się ze zbiorem odcinków \"" << line.inputFile << "\"\n";
        return kBatchFileProblem;
    }
    if (stray != given.end()) {
        errors << "vexa-calc: " << (*stray)->name
               << (mode == kNetworkMode ? " nie łączy się z opcją " : " działa tylko z opcją ") << network << '\n';
        return kBatchFileProblem;
    }
    if (mode == kNetworkMode) {
        if (const auto problem = orderProblem(line.network.parameters)) {
            errors << "vexa-calc: " << problem->rule->option << " " << problem->problem << '\n';
            return kBatchFileProblem;
        }
    }
    return std::nullopt;
}

}  // namespace vexa

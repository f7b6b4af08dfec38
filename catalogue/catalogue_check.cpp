#include "catalogue/catalogue_check.h"

#include <map>

#include "toolkit/numbers.h"

namespace vexa {
namespace {

std::string typeText(int number, const Rura_1& type) {
    return "typ " + std::to_string(number) + " \"" + type.nazwa + "\"";
}

std::string sdrList(const SdrList& list) {
    std::string text;
    for (int n = 0; n < list.ilosc; ++n)
        text += (n > 0 ? ", " : "") + formatGeneral(list.wartosc[static_cast<std::size_t>(n)]);
    return text.empty() ? "brak" : text;
}

// What a type's DOUT is: the outer diameter, or the nominal inside size.
const char* sizeName(const Rura_1& type) { return type.listedByInsideSize() ? "DN" : "Dz"; }

}  // namespace

std::vector<std::string> catalogueSummary(const Catalogue& catalogue) {
    std::vector<std::string> lines{"Typy rur: " + std::to_string(catalogue.ilosc_typow)};
    for (int number = 1; number <= catalogue.ilosc_typow; ++number) {
        const Rura_1& type = catalogue.type(number);
        lines.push_back(std::to_string(number) + ". " + type.nazwa + " (klasa " + type.klasa + "), k = " +
                        formatGeneral(type.k1) + " / " + formatGeneral(type.k2) + " / " + formatGeneral(type.k3) +
                        " / " + formatGeneral(type.k4) + " mm, średnic: " + std::to_string(type.ilosc_sred));
        for (int d = 1; d <= type.ilosc_sred; ++d) {
            const Podrura& pipe = type.diameter(d);
            lines.push_back(std::string("   ") + sizeName(type) + " " + formatGeneral(pipe.dout) + " mm, Dw " +
                            (type.klasa == "SDR" ? std::string("z SDR") : formatGeneral(pipe.din) + " mm") +
                            ", nr kat. " + pipe.kod);
        }
    }
    const opti_struct& table = catalogue.tabopti;
    lines.push_back("Tabela optymalizacji: " + std::to_string(table.ilosc));
    for (int n = 0; n < table.ilosc; ++n) {
        const int type = table.nr_typu[static_cast<std::size_t>(n)];
        lines.push_back("   \"" + table.nazwy[static_cast<std::size_t>(n)] +
                        "\": " + (type > 0 ? typeText(type, catalogue.type(type)) : std::string("brak typu")));
    }
    lines.push_back("SDR rur PE: " + sdrList(catalogue.sdrpe));
    lines.push_back("SDR pozostałych rur klasy SDR: " + sdrList(catalogue.sdrpp));
    lines.push_back("Powyżej Dz " + formatGeneral(catalogue.dout_max) + " mm SDR nie mniejsze niż " +
                    formatGeneral(catalogue.sdr_max));
    return lines;
}

std::vector<std::string> catalogueWarnings(const Catalogue& catalogue) {
    std::vector<std::string> warnings;
    std::map<std::string, std::string> numbers;  // catalogue number -> where first
    for (int number = 1; number <= catalogue.ilosc_typow; ++number) {
        const Rura_1& type = catalogue.type(number);
        for (int d = 1; d <= type.ilosc_sred; ++d) {
            const Podrura& pipe = type.diameter(d);
            const std::string where = typeText(number, type) + ", średnica " + std::to_string(d);
            // An SDR pipe's inner diameter comes from its SDR, not from the file;
            // one listed by its inside size may well give that size twice.
            if (type.klasa != "SDR" && !type.listedByInsideSize() && pipe.din >= pipe.dout)
                warnings.push_back(where + ": Dw " + formatGeneral(pipe.din) + " mm nie jest mniejsza od Dz " +
                                   formatGeneral(pipe.dout) + " mm");
            if (d > 1 && pipe.dout <= type.diameter(d - 1).dout)
                warnings.push_back(where + ": " + sizeName(type) + " " + formatGeneral(pipe.dout) +
                                   " mm nie jest większa od " + sizeName(type) + " " +
                                   formatGeneral(type.diameter(d - 1).dout) + " mm średnicy poprzedniej");
            if (pipe.kod.empty()) continue;
            if (const auto [first, added] = numbers.emplace(pipe.kod, where); !added)
                warnings.push_back(where + ": nr kat. \"" + pipe.kod + "\" jest już w " + first->second);
        }
    }
    const opti_struct& table = catalogue.tabopti;
    for (int n = 0; n < table.ilosc; ++n)
        if (table.nr_typu[static_cast<std::size_t>(n)] == 0)
            warnings.push_back("tabela optymalizacji: \"" + table.nazwy[static_cast<std::size_t>(n)] +
                               "\" nie pasuje do nazwy żadnego typu");
    return warnings;
}

}  // namespace vexa

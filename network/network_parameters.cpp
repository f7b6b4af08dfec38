#include "network/network_parameters.h"

#include "network/network_file.h"
#include "toolkit/errors.h"
#include "toolkit/numbers.h"

namespace vexa {
namespace {

// Levels, covers and flows as large as a network file may hold them.
constexpr long long kLargestLevel = kLargestNetworkValue - 1;

}  // namespace

// A slope minimisation walks every tenth of a per mille of its range: up to
// 1000 per mille it stays a few thousand steps.
const std::array<NetworkParameterRule, 6> kNetworkParameterRules{{
    {"--przykrycie", "M", "najmniejsze przykrycie nad wierzchem rury [m], domyślnie 1,20", "Przykrycie [m]",
     &NetworkParameters::cover, 3, 0, kLargestLevel},
    {"--spadek-min", "P", "najmniejszy spadek [‰], domyślnie 0,5 (od 0,5 do 1000,0)", "Spadek najmniejszy [‰]",
     &NetworkParameters::slopeMin, 1, 5, 10000},
    {"--spadek-max", "P", "największy spadek [‰], domyślnie 100,0 (od --spadek-min do 1000,0)", "Spadek największy [‰]",
     &NetworkParameters::slopeMax, 1, 5, 10000, &NetworkParameters::slopeMin, "najmniejszego spadku"},
    {"--q-min", "Q", "najmniejszy przepływ obliczeniowy [l/s], domyślnie 1,0 (nie mniej niż 1,0)",
     "Przepływ najmniejszy [l/s]", &NetworkParameters::flowMin, 3, 1000, kLargestLevel},
    {"--glebokosc-max", "M", "zagłębienie dna [m], powyżej którego odcinek dostaje uwagę, domyślnie 6,00",
     "Zagłębienie do uwagi [m]", &NetworkParameters::depthMax, 3, 0, kLargestLevel},
    {"--kaskada", "M", "spadek dna w studni [m], powyżej którego jest to studnia kaskadowa,\ndomyślnie 0,50",
     "Kaskada od [m]", &NetworkParameters::dropMax, 3, 0, kLargestLevel},
}};

ScaledReading readScaledInRange(std::string_view text, int decimals, long long lowest, long long highest) {
    const std::string quoted = "\"" + std::string(text) + "\"";
    std::optional<long long> value;
    try {
        value = parseScaled(withDecimalComma(std::string(text)), decimals);
    } catch (const ConversionError&) {
        return {std::nullopt, quoted + " nie jest liczbą"};
    }
    if (!value) return {std::nullopt, quoted + " leży poza zakresem"};
    if (*value < lowest)
        return {std::nullopt, quoted + " nie może być mniejsze od " + formatScaledGeneral(lowest, decimals)};
    if (*value > highest)
        return {std::nullopt, quoted + " nie może być większe od " + formatScaledGeneral(highest, decimals)};
    return {value, {}};
}

std::optional<ParameterProblem> orderProblem(const NetworkParameters& parameters) {
    for (const NetworkParameterRule& rule : kNetworkParameterRules)
        if (rule.notBelow && parameters.*rule.value < parameters.*rule.notBelow)
            return ParameterProblem{&rule, "\"" + parameterText(rule, parameters) + "\" nie może być mniejsze od " +
                                               rule.notBelowName + " (" +
                                               formatScaledGeneral(parameters.*rule.notBelow, rule.decimals) + ")"};
    return std::nullopt;
}

std::string parameterText(const NetworkParameterRule& rule, const NetworkParameters& parameters) {
    return formatScaledGeneral(parameters.*rule.value, rule.decimals);
}

}  // namespace vexa

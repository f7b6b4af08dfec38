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
    {"--przykrycie", "Przykrycie [m]", &NetworkParameters::cover, 3, 0, kLargestLevel},
    {"--spadek-min", "Spadek najmniejszy [‰]", &NetworkParameters::slopeMin, 1, 5, 10000},
    {"--spadek-max", "Spadek największy [‰]", &NetworkParameters::slopeMax, 1, 5, 10000, &NetworkParameters::slopeMin,
     "najmniejszego spadku"},
    {"--q-min", "Przepływ najmniejszy [l/s]", &NetworkParameters::flowMin, 3, 1000, kLargestLevel},
    {"--glebokosc-max", "Zagłębienie do uwagi [m]", &NetworkParameters::depthMax, 3, 0, kLargestLevel},
    {"--kaskada", "Kaskada od [m]", &NetworkParameters::dropMax, 3, 0, kLargestLevel},
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

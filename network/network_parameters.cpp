#include "network/network_parameters.h"

#include "network/network_file.h"
#include "toolkit/delimited_fields.h"
#include "toolkit/errors.h"
#include "toolkit/numbers.h"

namespace vexa {
namespace {

// Levels, covers and flows as large as a network file may hold them.
constexpr long long kLargestLevel = kLargestNetworkValue - 1;

}  // namespace

// A slope minimisation walks every tenth of a per mille of its range: up to
// 1000 per mille it stays a few thousand steps.
const std::array<NetworkParameterRule, 11> kNetworkParameterRules{{
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
    {"--opad-roczny", "H", "średni roczny opad [mm] we wzorze Błaszczyka, domyślnie 600 (od 300 do 2000)",
     "Opad roczny [mm]", nullptr, 0, 300, 2000, nullptr, nullptr, NetworkParameterRule::Reading::Exact,
     &NetworkParameters::annualPrecipitation},
    {"--czestosc", "C", "deszcz obliczeniowy raz na C lat, domyślnie 2 (od 0,1 do 100)", "Częstość deszczu [lata]",
     nullptr, 1, 1, 1000, nullptr, nullptr, NetworkParameterRule::Reading::Exact, &NetworkParameters::rainFrequency},
    {"--czas-splywu", "T", "czas spływu po powierzchni do pierwszej studni [min], domyślnie 5\n(od 0 do 60)",
     "Czas spływu [min]", &NetworkParameters::runoffTime, 0, 0, 60, nullptr, nullptr,
     NetworkParameterRule::Reading::Minutes, nullptr, true},
    {"--czas-min", "T", "najkrótszy czas trwania deszczu obliczeniowego [min], domyślnie 10\n(od 1 do 60)",
     "Najkrótszy deszcz [min]", &NetworkParameters::shortestRain, 0, 1, 60, nullptr, nullptr,
     NetworkParameterRule::Reading::Minutes, nullptr, true},
    {"--retencja", "R", "współczynnik opóźnienia (retencji) czasu przepływu w kanałach,\ndomyślnie 1,2 (od 1 do 2)",
     "Współczynnik retencji", &NetworkParameters::retention, 2, 100, 200, nullptr, nullptr,
     NetworkParameterRule::Reading::Scaled, nullptr, true},
}};

namespace {

// Minutes are read with all the decimals a number text of the program
// holds (15 digits up to 60 minutes), then rounded once to the millisecond.
constexpr int kMinuteDecimals = 13;
constexpr long long kMinuteUnits = 10'000'000'000'000;  // 10^13 a minute

long long power10(int decimals) {
    long long power = 1;
    for (int n = 0; n < decimals; ++n) power *= 10;
    return power;
}

// The number a text holds, as the window reads it, or why it is none or
// lies outside the rule's bounds.
struct ExactReading {
    extended value = 0;
    std::optional<std::string> problem;
};
ExactReading readAsTyped(const NetworkParameterRule& rule, std::string_view text) {
    const std::string quoted = "\"" + std::string(text) + "\"";
    ExactReading reading;
    try {
        reading.value = parseNumber(withDecimalComma(std::string(text)));
    } catch (const ConversionError&) {
        reading.problem = quoted + " nie jest liczbą";
        return reading;
    }
    const extended scale = static_cast<extended>(power10(rule.decimals));
    if (reading.value < static_cast<extended>(rule.lowest) / scale)
        reading.problem = quoted + " nie może być mniejsze od " + formatScaledGeneral(rule.lowest, rule.decimals);
    else if (reading.value > static_cast<extended>(rule.highest) / scale)
        reading.problem = quoted + " nie może być większe od " + formatScaledGeneral(rule.highest, rule.decimals);
    return reading;
}

}  // namespace

std::optional<std::string> readParameter(const NetworkParameterRule& rule, std::string_view text,
                                         NetworkParameters& parameters) {
    using Reading = NetworkParameterRule::Reading;
    if (rule.reading == Reading::Exact || rule.boundsAsRead) {
        const ExactReading typed = readAsTyped(rule, text);
        if (typed.problem) return typed.problem;
        if (rule.reading == Reading::Exact) {
            parameters.*rule.exact = typed.value;
            return std::nullopt;
        }
    }
    if (rule.reading == Reading::Minutes) {
        const long long scale = power10(kMinuteDecimals - rule.decimals);
        const ScaledReading reading =
            readScaledInRange(text, kMinuteDecimals, rule.lowest * scale, rule.highest * scale);
        if (!reading.value) return reading.problem;
        // 60 000 ms a minute, half up: N · 60 000 / 10^13 = N · 6 / 10^9.
        parameters.*rule.value = (*reading.value * 6 + kMinuteUnits / 20'000) / (kMinuteUnits / 10'000);
        return std::nullopt;
    }
    const ScaledReading reading = readScaledInRange(text, rule.decimals, rule.lowest, rule.highest);
    if (!reading.value) return reading.problem;
    parameters.*rule.value = *reading.value;
    return std::nullopt;
}

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

std::optional<std::string> readJunction(std::string_view text, NetworkParameters& parameters) {
    if (text != kJoinedOnCrowns && text != kJoinedOnWaterSurfaces)
        return "\"" + std::string(text) + "\" nie jest żadnym z: " + kJoinedOnCrowns + ", " + kJoinedOnWaterSurfaces;
    parameters.joinWaterSurfaces = text == kJoinedOnWaterSurfaces;
    return std::nullopt;
}

ScaledReading readReceivingLevel(std::string_view text) {
    return readScaledInRange(text, 3, -kLargestLevel, kLargestLevel);
}

std::optional<std::pair<std::string, std::string>> outletAndLevel(std::string_view text) {
    const std::size_t equals = text.rfind('=');
    if (equals == std::string_view::npos) return std::nullopt;
    std::string manhole = delimited::trimmed(text.substr(0, equals));
    if (manhole.empty()) return std::nullopt;
    return std::pair{std::move(manhole), std::string(text.substr(equals + 1))};
}

std::optional<std::string> readReceivingInvert(std::string_view text, NetworkParameters& parameters) {
    const auto outlet = outletAndLevel(text);
    if (!outlet) return "\"" + std::string(text) + "\" " + kNotOutletAndLevel;
    const ScaledReading level = readReceivingLevel(outlet->second);
    if (!level.value) return level.problem;
    parameters.receivingInverts[outlet->first] = *level.value;
    return std::nullopt;
}

std::string parameterText(const NetworkParameterRule& rule, const NetworkParameters& parameters) {
    switch (rule.reading) {
        case NetworkParameterRule::Reading::Exact:
            return formatGeneral(parameters.*rule.exact);
        case NetworkParameterRule::Reading::Minutes:
            return formatGeneral(static_cast<extended>(parameters.*rule.value) / 60000.0L);
        case NetworkParameterRule::Reading::Scaled:
            break;
    }
    return formatScaledGeneral(parameters.*rule.value, rule.decimals);
}

}  // namespace vexa

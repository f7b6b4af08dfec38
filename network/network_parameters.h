#pragma once

// The parameters of a network design as a user gives them, on vexa-calc's
// command line or in the network window: numbers with a decimal comma in m,
// per mille, l/s, minutes, mm and years, each read into the units of the
// design and kept within its bounds.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "network/network_design.h"

namespace vexa {

struct NetworkParameterRule {
    // How the text becomes the design's value.
    enum class Reading {
        Scaled,   // a whole number of 10^-decimals of the text's unit
        Minutes,  // minutes to whole milliseconds
        Exact,    // the extended number the window reads, as it is
    };
    const char* option;     // of vexa-calc
    const char* valueName;  // in vexa-calc's usage: "M", "P", "Q"
    const char* help;       // what vexa-calc --help says of it
    const char* label;      // in the network window
    long long NetworkParameters::*value;
    // The bounds, in 10^-decimals of the text's unit; for Scaled also the
    // design's unit.
    int decimals;
    long long lowest;
    long long highest;
    // Another parameter this one may not be smaller than, and how a message names it.
    long long NetworkParameters::*notBelow = nullptr;
    const char* notBelowName = nullptr;
    Reading reading = Reading::Scaled;
    extended NetworkParameters::*exact = nullptr;  // instead of `value` for Exact
    // The bounds hold for the number as typed, before it is rounded to the
    // design's unit (always so for Exact).
    bool boundsAsRead = false;
};

extern const std::array<NetworkParameterRule, 11> kNetworkParameterRules;

// Reads a parameter's text into `parameters`, or says why it cannot
// ("\"0,44\" nie może być mniejsze od 0,5") and leaves them as they were.
std::optional<std::string> readParameter(const NetworkParameterRule& rule, std::string_view text,
                                         NetworkParameters& parameters);

// A parameter smaller than the one it may not be below: its rule and why
// ("\"0,4\" nie może być mniejsze od najmniejszego spadku (0,5)").
struct ParameterProblem {
    const NetworkParameterRule* rule;
    std::string problem;
};
std::optional<ParameterProblem> orderProblem(const NetworkParameters& parameters);

// A number read into units of 10^-decimals, or why it cannot be:
// "\"0,44\" nie może być mniejsze od 0,5".
struct ScaledReading {
    std::optional<long long> value;
    std::string problem;
};
ScaledReading readScaledInRange(std::string_view text, int decimals, long long lowest, long long highest);

// How pipes join at a manhole, as vexa-calc's --polaczenie names it:
// "korony" or "zwierciadla"; or why the text is neither.
inline constexpr const char* kJoinedOnCrowns = "korony";
inline constexpr const char* kJoinedOnWaterSurfaces = "zwierciadla";
std::optional<std::string> readJunction(std::string_view text, NetworkParameters& parameters);

// The receiving sewer's invert of an outlet, "NAZWA=RZĘDNA" as --dno-wylotu
// takes it, or why it cannot be read ("\"95,x\" nie jest liczbą").
std::optional<std::string> readReceivingInvert(std::string_view text, NetworkParameters& parameters);
// Such a text's outlet and level text, parted at the last "=" (a manhole's
// name may hold one); nothing where it has no name.
std::optional<std::pair<std::string, std::string>> outletAndLevel(std::string_view text);
inline constexpr const char* kNotOutletAndLevel = "nie ma postaci NAZWA=RZĘDNA";
// The level alone [mm] of such a text, or why not.
ScaledReading readReceivingLevel(std::string_view text);

// The value as the window shows it ("1,2", "0,5", "100").
std::string parameterText(const NetworkParameterRule& rule, const NetworkParameters& parameters);

}  // namespace vexa

// The design rain: the engineer's table read and refused with its line,
// intensities interpolated on a log-log scale, and Błaszczyk's formula.

#include "network/rain.h"

#include <gtest/gtest.h>

#include "network/network_parameters.h"

namespace vexa {
namespace {

constexpr long long kMinute = 60'000;  // ms

TEST(RainTable, IsReadInEitherEncodingSkippingBlankLines) {
    const RainTable table = readRainTable("\xEF\xBB\xBF 5 ; 250\r\n\r\n10,5;160\n  \n20.25;1,2e2\n");
    ASSERT_EQ(table.lines.size(), 3U);
    EXPECT_EQ(table.lines[1].minutes, 10.5L);
    EXPECT_EQ(table.lines[2].minutes, 20.25L);
    EXPECT_EQ(table.lines[2].intensity, 120.0L);
}

TEST(RainTable, IsRefusedWithTheLineAtFault) {
    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"5;250\n10\n", "Wiersz 2: wiersz tabeli deszczu musi mieć postać \"t;q\""},
             {"5;250\n10;160;1\n", "Wiersz 2: wiersz tabeli deszczu musi mieć postać \"t;q\""},
             {"5;250\n\n10;l60\n", "Wiersz 3: \"l60\" nie jest liczbą"},
             {"5;\"250\n10;160\n", "Wiersz 1: pole zaczyna się cudzysłowem, który nie jest zamknięty"},
             {"0;250\n10;160\n", "Wiersz 1: czas i natężenie deszczu muszą być większe od zera"},
             {"5;250\n5;160\n", "Wiersz 2: czas deszczu musi być dłuższy niż w poprzednim wierszu"},
             {"5;250\n10;250\n", "Wiersz 2: natężenie deszczu musi być mniejsze niż w poprzednim wierszu"},
             {"5;250\n\n", "tabela deszczu musi mieć co najmniej dwa wiersze"},
         }) {
        try {
            readRainTable(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const RainTableError& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    }
}

TEST(RainTable, InterpolatesOnALogLogScaleAndEndsAtItsLastLine) {
    // From 10 to 40 minutes the intensity falls as 1/t.
    const RainTable table = readRainTable("10;100\n40;25\n60;20\n");
    EXPECT_EQ(tableIntensity(table, 3 * kMinute), 100.0L);  // below the first line: the first line's
    EXPECT_NEAR(static_cast<double>(*tableIntensity(table, 20 * kMinute)), 50.0, 1e-12);
    EXPECT_EQ(tableIntensity(table, 40 * kMinute), 25.0L);  // a line's own duration: its own intensity
    EXPECT_EQ(tableIntensity(table, 60 * kMinute), 20.0L);
    EXPECT_FALSE(tableIntensity(table, 60 * kMinute + 1));
}

TEST(RainFormula, GivesBlaszczyksIntensity) {
    // 6,631 · 600^(2/3) · 2^(1/3) / 10^0,67 and the same for 1000 mm, once in 5 years, 25 minutes,
    // worked to 40 digits.
    EXPECT_NEAR(static_cast<double>(formulaIntensity(600, 2, 10 * kMinute)), 127.0641961715433965, 1e-11);
    EXPECT_NEAR(static_cast<double>(formulaIntensity(1000, 5, 25 * kMinute)), 131.2046489375996882, 1e-11);
}

TEST(RainParameters, AreReadIntoMillisecondsHundredthsAndExactNumbers) {
    const auto rule = [](const char* option) -> const NetworkParameterRule& {
        for (const NetworkParameterRule& each : kNetworkParameterRules)
            if (std::string(each.option) == option) return each;
        throw std::logic_error(option);
    };
    NetworkParameters parameters;
    EXPECT_FALSE(readParameter(rule("--czas-splywu"), "7,5", parameters));
    EXPECT_EQ(parameters.runoffTime, 450'000);
    EXPECT_FALSE(readParameter(rule("--czas-min"), "1.00001", parameters));  // 60 000,6 ms
    EXPECT_EQ(parameters.shortestRain, 60'001);
    EXPECT_FALSE(readParameter(rule("--retencja"), "1,25", parameters));
    EXPECT_EQ(parameters.retention, 125);
    EXPECT_FALSE(readParameter(rule("--czestosc"), "0,1", parameters));
    EXPECT_EQ(parameters.rainFrequency, 0.1L);
    EXPECT_EQ(readParameter(rule("--czestosc"), "0,0999", parameters), "\"0,0999\" nie może być mniejsze od 0,1");
    EXPECT_EQ(readParameter(rule("--opad-roczny"), "2000,5", parameters), "\"2000,5\" nie może być większe od 2000");
    EXPECT_EQ(readParameter(rule("--czas-min"), "0,5", parameters), "\"0,5\" nie może być mniejsze od 1");
    // Bounds hold for the number as typed, not as rounded.
    EXPECT_EQ(readParameter(rule("--retencja"), "2,004", parameters), "\"2,004\" nie może być większe od 2");
    EXPECT_EQ(parameters.rainFrequency, 0.1L);  // a refused text leaves the value as it was
    EXPECT_EQ(parameterText(rule("--czas-splywu"), parameters), "7,5");
}

}  // namespace
}  // namespace vexa

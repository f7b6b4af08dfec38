// The design rain: the engineer's table read and refused with its line,
// intensities interpolated on a log-log scale, and Błaszczyk's formula.

#include "network/rain.h"

#include <gtest/gtest.h>

#include <map>

#include "network/network_design.h"
#include "network/network_parameters.h"
#include "network/network_table.h"

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
    EXPECT_FALSE(readParameter(rule("--czestosc"), "100", parameters));
    EXPECT_EQ(readParameter(rule("--czas-splywu"), "60,01", parameters), "\"60,01\" nie może być większe od 60");
}

// A pipe for any flow at the velocity the test gives each pass of a section
// (its last repeating); a velocity 0 gives no result.
class PassCalculator : public SectionCalculator {
public:
    explicit PassCalculator(std::map<std::string, std::vector<extended>> velocities)
        : velocities_(std::move(velocities)) {}
    BatchResult run(const BatchSection& line) override {
        const std::vector<extended>& each = velocities_.at(line.name);
        const extended velocity = each[std::min(passes_[line.name]++, each.size() - 1)];
        BatchResult result;
        result.computed = velocity > 0;
        if (!result.computed) return result.message = "brak rury", result;
        result.fields = {"200 / 190", "X", "L", "0,25", line.slopeFrom, "50", "1", "1", "tak", "tak"};
        result.outerDiameter = 200;
        result.innerDiameter = 190;
        result.state.vwy = velocity;
        return result;
    }

private:
    std::map<std::string, std::vector<extended>> velocities_;
    std::map<std::string, std::size_t> passes_;
};

TEST(RainPasses, StopAtTheTenthAndRoundEveryTimeHalfUp) {
    const Network network = readNetwork(std::vector<std::string>{
        kNetworkHeadLine,
        "P;P1;P2;100;110;110;;1;;;0;0;1;;10;1",
        "Q;Q1;Q2;100;110;110;;1;;;0;0;1;;0,004;1",
        "X;X1;X2;100;110;110;;1;;;0;0;1;;1;1",
        "T;X2;T2;100,003;110;110;;1;;;0;0;1;;0,1235;0,85",
    });
    NetworkParameters parameters;
    parameters.shortestRain = kMinute;
    parameters.retention = 125;
    PassCalculator calculator({
        {"P", {1.0L, 1.1L, 1.2L, 1.3L, 1.4L, 1.5L, 1.6L, 1.7L, 1.8L, 1.8L}},        // repeats at pass 10
        {"Q", {1.0L, 1.1L, 1.2L, 1.3L, 1.4L, 1.5L, 1.6L, 1.7L, 1.8L, 1.9L, 1.9L}},  // would at pass 11
        {"X", {1.0L, 0}},                                                           // no pipe in pass 1
        {"T", {2.0L}},
    });
    const std::vector<SectionDesign> designs = designNetwork(network, parameters, calculator);
    EXPECT_EQ(designs[0].notes, "");
    EXPECT_EQ(designs[0].rain.flowTime, 55556);  // 100 m at 1,8 m/s
    EXPECT_EQ(designs[1].notes, "obliczono dla Q = 1 l/s, brak zbieżności czasu przepływu");
    EXPECT_EQ(designs[1].rain.flowTime, 100'000);  // pass 1's, through pass 0's pipe
    // X without a result adds no time: 100 003 mm at 2 m/s = 50 001,5 -> 50 002 ms; 5 min + 1,25 · 50 002 ms
    // = 62 502,5 -> 62 503 ms; 1 ha + 1235 m² · 0,85 = 11 049,75 m².
    EXPECT_EQ(designs[3].rain.flowTime, 50'002);
    EXPECT_EQ(designs[3].rain.duration, 362'503);
    EXPECT_EQ(networkResultFields(network.sections[3], designs[3], true)[position(ResultColumn::Fzr)], "1,1050");
}

}  // namespace
}  // namespace vexa

#pragma once

// The design rain of a storm sewer: its intensity q [l/(s·ha)] for a
// duration, by Błaszczyk's formula from the mean annual precipitation and
// the rain's frequency, or interpolated in the engineer's own table of
// durations and intensities. Durations are whole milliseconds.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/extended.h"

namespace vexa {

// The engineer's intensities: durations [min] strictly rising, intensities
// strictly falling, both above zero, at least two lines.
struct RainTable {
    struct Line {
        extended minutes;
        extended intensity;
    };
    std::vector<Line> lines;
};

// Why a rain table cannot be used: "Wiersz 3: <problem>", or the problem
// alone where it is of the table as a whole.
class RainTableError : public std::runtime_error {
public:
    RainTableError(int line, const std::string& problem);
    int line() const { return line_; }  // 0 for the table as a whole

private:
    int line_;
};

// Reads a table file's bytes ("t;q" a line, no head line, blank lines
// skipped), in UTF-8 or code page 1250 as a network file is read. Throws
// RainTableError for the first fault.
RainTable readRainTable(std::string_view bytes);

// q for a duration from the table: the first line's below it, interpolated
// on a log-log scale between two lines, nothing beyond the last line.
std::optional<extended> tableIntensity(const RainTable& table, long long milliseconds);

// q for a duration by Błaszczyk's formula, for an annual precipitation [mm]
// and a frequency of once in `frequency` years.
extended formulaIntensity(extended annualPrecipitation, extended frequency, long long milliseconds);

}  // namespace vexa

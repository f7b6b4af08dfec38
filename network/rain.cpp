#include "network/rain.h"

#include <cmath>

#include "batch/batch_section.h"
#include "network/network_file.h"
#include "toolkit/delimited_fields.h"
#include "toolkit/errors.h"
#include "toolkit/numbers.h"

namespace vexa {
namespace {

constexpr extended kMillisecondsInMinute = 60000.0L;

std::string withLine(int line, const std::string& problem) {
    return line > 0 ? "Wiersz " + std::to_string(line) + ": " + problem : problem;
}

extended minutesOf(long long milliseconds) { return static_cast<extended>(milliseconds) / kMillisecondsInMinute; }

}  // namespace

RainTableError::RainTableError(int line, const std::string& problem)
    : std::runtime_error(withLine(line, problem)), line_(line) {}

RainTable readRainTable(std::string_view bytes) {
    const std::string text = decodedFileText(bytes).text;
    RainTable table;
    int line = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string_view content(text.data() + at, end - at);
        at = end + 1;
        ++line;
        if (content.ends_with('\r')) content.remove_suffix(1);
        if (delimited::trimmed(std::string(content)).empty()) continue;
        std::vector<std::string> fields;
        try {
            fields = delimited::split(std::string(content));
        } catch (const delimited::UnclosedQuote&) {
            throw RainTableError(line, std::string("pole ") + kUnclosedQuote);
        }
        if (fields.size() != 2) throw RainTableError(line, "wiersz tabeli deszczu musi mieć postać \"t;q\"");
        RainTable::Line read{};
        for (const auto& [field, value] :
             {std::pair{&fields[0], &read.minutes}, std::pair{&fields[1], &read.intensity}}) {
            try {
                *value = parseNumber(withDecimalComma(*field));
            } catch (const ConversionError&) {
                throw RainTableError(line, "\"" + *field + "\" nie jest liczbą");
            }
        }
        if (!(read.minutes > 0) || !(read.intensity > 0))
            throw RainTableError(line, "czas i natężenie deszczu muszą być większe od zera");
        if (!table.lines.empty() && !(read.minutes > table.lines.back().minutes))
            throw RainTableError(line, "czas deszczu musi być dłuższy niż w poprzednim wierszu");
        if (!table.lines.empty() && !(read.intensity < table.lines.back().intensity))
            throw RainTableError(line, "natężenie deszczu musi być mniejsze niż w poprzednim wierszu");
        table.lines.push_back(read);
    }
    if (table.lines.size() < 2) throw RainTableError(0, "tabela deszczu musi mieć co najmniej dwa wiersze");
    return table;
}

std::optional<extended> tableIntensity(const RainTable& table, long long milliseconds) {
    const extended t = minutesOf(milliseconds);
    const std::vector<RainTable::Line>& lines = table.lines;
    if (t <= lines.front().minutes) return lines.front().intensity;
    for (std::size_t n = 0; n + 1 < lines.size(); ++n) {
        const RainTable::Line& below = lines[n];
        const RainTable::Line& above = lines[n + 1];
        if (t == above.minutes) return above.intensity;
        if (t < above.minutes)
            return below.intensity * powl(t / below.minutes, logl(above.intensity / below.intensity) /
                                                                 logl(above.minutes / below.minutes));
    }
    return std::nullopt;
}

extended formulaIntensity(extended annualPrecipitation, extended frequency, long long milliseconds) {
    extended a = 6.631L * powl(annualPrecipitation, 2.0L / 3.0L);
    a = a * powl(frequency, 1.0L / 3.0L);
    return a / powl(minutesOf(milliseconds), 0.67L);
}

}  // namespace vexa

#include "batch/batch_section.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "toolkit/delimited_fields.h"

namespace vexa {
namespace {

int itemNumber(const std::vector<std::string>& fields, int column) {
    const std::string& field = fields[static_cast<std::size_t>(column)];
    const std::string text = delimited::trimmed(field);
    if (text.empty()) return 0;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw MalformedLine(column, "\"" + field + "\" nie jest liczbą całkowitą");
    return value;
}

}  // namespace

BatchSection parseSection(const std::string& line) {
    std::vector<std::string> fields;
    try {
        fields = delimited::split(line);
    } catch (const delimited::UnclosedQuote& problem) {
        // What follows the quote cannot be told from the field: no section can be read.
        throw MalformedLine(std::min(problem.field(), kBatchFields - 1), kUnclosedQuote);
    }
    if (static_cast<int>(fields.size()) > kBatchFields)
        throw MalformedLine("wiersz ma " + std::to_string(fields.size()) + " pól, a najwyżej " +
                            std::to_string(kBatchFields));
    fields.resize(kBatchFields);
    BatchSection section;
    section.name = fields[0];
    section.type = itemNumber(fields, 1);
    section.diameter = fields[2];
    section.sdr = fields[3];
    section.sewage = itemNumber(fields, 4);
    section.losses = itemNumber(fields, 5);
    section.flow = fields[6];
    section.slope = fields[7];
    section.slopeCriterion = itemNumber(fields, 8);
    section.slopeFrom = fields[9];
    section.slopeTo = fields[10];
    section.pipeCriterion = itemNumber(fields, 11);
    section.fillingLimit = fields[12];
    return section;
}

std::string sectionLine(const BatchSection& section) {
    return delimited::joined({section.name, std::to_string(section.type), section.diameter, section.sdr,
                              std::to_string(section.sewage), std::to_string(section.losses), section.flow,
                              section.slope, std::to_string(section.slopeCriterion), section.slopeFrom, section.slopeTo,
                              std::to_string(section.pipeCriterion), section.fillingLimit});
}

bool isHeadLine(const std::string& line) { return line.rfind("Odcinek", 0) == 0; }

}  // namespace vexa

#pragma once

// One line of a batch: a design section as the fields the user would fill.

#include <array>
#include <stdexcept>
#include <string>

namespace vexa {

struct BatchSection {
    std::string name;          // Odcinek
    int type = 0;              // Typ: 1-based position in the pipe-type list
    std::string diameter;      // Srednica: "dowolna", empty, or as the list shows it
    std::string sdr;           // SDR: empty keeps the list's selection
    int sewage = 0;            // Scieki: item of the sewage-kind group
    int losses = 0;            // Opory: item of the local-loss group
    std::string flow;          // Q
    std::string slope;         // Spadek
    int slopeCriterion = 0;    // KryteriumSpadku
    std::string slopeFrom;     // Od
    std::string slopeTo;       // Do
    int pipeCriterion = 0;     // KryteriumDoboru
    std::string fillingLimit;  // HdMax

    bool operator==(const BatchSection&) const = default;
};

inline constexpr int kBatchFields = 13;

// The fields' names in a batch's head line.
inline constexpr std::array<const char*, kBatchFields> kBatchFieldNames{
    "Odcinek", "Typ", "Srednica",        "SDR",  "Scieki", "Opory", "Q", "Spadek", "KryteriumSpadku",
    "Od",      "Do",  "KryteriumDoboru", "HdMax"};

// A line that is not a section: too many fields, a quote that is not
// closed, or an item field that is not a whole number.
class MalformedLine : public std::runtime_error {
public:
    explicit MalformedLine(const std::string& problem) : std::runtime_error(problem) {}
    // "pole <name> <detail>".
    MalformedLine(int field, const std::string& detail)
        : std::runtime_error(std::string("pole ") + kBatchFieldNames[static_cast<std::size_t>(field)] + " " + detail),
          field_(field),
          detail_(detail) {}

    // The field at fault (from 0), or -1 for the line as a whole, and the
    // problem without the field's name.
    int field() const { return field_; }
    const std::string& detail() const { return detail_; }

private:
    int field_ = -1;
    std::string detail_;
};

inline constexpr const char* kUnclosedQuote = "zaczyna się cudzysłowem, który nie jest zamknięty";

// Reads one line (UTF-8, without its line end). Missing trailing fields are
// empty, and 0 for the item fields.
BatchSection parseSection(const std::string& line);

// The section as the line parseSection reads back into it.
std::string sectionLine(const BatchSection& section);

// The first line of a batch may name the columns.
bool isHeadLine(const std::string& line);

}  // namespace vexa

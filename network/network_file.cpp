#include "network/network_file.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "toolkit/cp1250.h"
#include "toolkit/delimited_fields.h"
#include "toolkit/errors.h"
#include "toolkit/numbers.h"
#include "toolkit/text.h"

namespace vexa {
namespace {

std::string linesText(std::vector<int>& lines) {
    std::sort(lines.begin(), lines.end());
    std::string text = lines.size() == 1 ? "Wiersz " : "Wiersze ";
    for (std::size_t n = 0; n < lines.size(); ++n) {
        if (n > 0) text += n + 1 == lines.size() ? " i " : ", ";
        text += std::to_string(lines[n]);
    }
    return text;
}

// Refuses the file for `problem` in `lines` (and in `field` of them).
[[noreturn]] void refuse(std::vector<int> lines, const std::string& problem, int field = -1) {
    throw NetworkError(std::move(lines), problem, field);
}

// Refuses the file for a problem of one field: "pole <key> <detail>".
[[noreturn]] void refuseField(int line, int field, const std::string& detail) {
    throw NetworkError({line}, std::string("pole ") + kInputColumns[static_cast<std::size_t>(field)].key + " " + detail,
                       field, detail);
}

}  // namespace

NetworkError::NetworkError(std::vector<int> lines, const std::string& problem, int field, std::string detail)
    : std::runtime_error(linesText(lines) + ": " + problem),
      lines_(std::move(lines)),
      field_(field),
      problem_(problem),
      detail_(std::move(detail)) {}

namespace {

class LineReader {
public:
    LineReader(int line, std::vector<std::string> fields) : line_(line), fields_(std::move(fields)) {}

    // A name that must not be empty, without the blanks around it: "S2 "
    // names the manhole S2.
    std::string name(InputColumn input) const {
        const int column = position(input);
        std::string text = delimited::trimmed(fields_[static_cast<std::size_t>(column)]);
        if (text.empty()) refuseField(line_, column, "jest puste");
        return text;
    }

    // A number in units of 10^-decimals of its column, read as a typed
    // number is read; an empty field is `empty`, or refused without it.
    long long number(InputColumn input, std::optional<long long> empty = std::nullopt) const {
        const int column = position(input);
        const int decimals = vexa::column(input).decimals;
        const std::string& field = fields_[static_cast<std::size_t>(column)];
        if (delimited::trimmed(field).empty()) {
            if (empty) return *empty;
            refuseField(line_, column, "jest puste");
        }
        std::optional<long long> value;
        try {
            value = parseScaled(withDecimalComma(field), decimals);
        } catch (const ConversionError&) {
            refuseField(line_, column, "\"" + field + "\" nie jest liczbą");
        }
        if (!value || *value >= kLargestNetworkValue || *value <= -kLargestNetworkValue)
            refuseField(line_, column, "\"" + field + "\" leży poza zakresem");
        return *value;
    }

    [[noreturn]] void fail(const std::string& problem, int column = -1) const { refuse({line_}, problem, column); }
    // The number of a field already read by number(), as typed.
    extended typed(InputColumn input) const {
        return parseNumber(withDecimalComma(fields_[static_cast<std::size_t>(position(input))]));
    }

    bool empty(InputColumn input) const {
        return delimited::trimmed(fields_[static_cast<std::size_t>(position(input))]).empty();
    }
    [[noreturn]] void emptyField(InputColumn input, const std::string& detail) const {
        refuseField(line_, position(input), detail);
    }

private:
    int line_;
    std::vector<std::string> fields_;
};

// The network column of each field of a batch line, where it has one.
constexpr std::array<int, kBatchFields> kNetworkColumnOfBatchField{position(InputColumn::Odcinek),
                                                                   position(InputColumn::Typ),
                                                                   position(InputColumn::Srednica),
                                                                   position(InputColumn::SDR),
                                                                   position(InputColumn::Scieki),
                                                                   position(InputColumn::Opory),
                                                                   -1,
                                                                   -1,
                                                                   -1,
                                                                   -1,
                                                                   -1,
                                                                   position(InputColumn::KryteriumDoboru),
                                                                   position(InputColumn::HdMax)};

// The catchment of a section: an area not below zero, and where it is above
// zero its runoff coefficient, from 0 to 1, both as typed (before they are
// rounded to the square metre and the hundredth).
void readCatchment(const LineReader& reader, NetworkSection& section) {
    section.catchmentArea = reader.number(InputColumn::Zlewnia, 0);
    const extended area = reader.empty(InputColumn::Zlewnia) ? 0 : reader.typed(InputColumn::Zlewnia);
    if (area < 0) reader.fail("powierzchnia zlewni nie może być ujemna", position(InputColumn::Zlewnia));
    if (reader.empty(InputColumn::Psi)) {
        if (area > 0) reader.emptyField(InputColumn::Psi, "jest puste przy zlewni większej od zera");
        return;
    }
    section.runoffCoefficient = reader.number(InputColumn::Psi);
    const extended coefficient = reader.typed(InputColumn::Psi);
    if (coefficient < 0 || coefficient > 1)
        reader.fail("współczynnik spływu musi leżeć w przedziale od 0 do 1", position(InputColumn::Psi));
}

NetworkSection readSection(const delimited::Record& record, int columns) {
    const int line = record.line;
    std::vector<std::string> fields = record.fields;
    if (static_cast<int>(fields.size()) > columns)
        refuse({line}, "wiersz ma " + std::to_string(fields.size()) + " pól, a najwyżej " + std::to_string(columns));
    fields.resize(kInputColumnCount);
    const LineReader reader(line, fields);

    NetworkSection section;
    section.line = line;
    section.name = reader.name(InputColumn::Odcinek);
    section.from = reader.name(InputColumn::Od);
    section.to = reader.name(InputColumn::Do);
    section.length = reader.number(InputColumn::Dlugosc);
    section.groundFrom = reader.number(InputColumn::TerenOd);
    section.groundTo = reader.number(InputColumn::TerenDo);
    section.inflow = reader.number(InputColumn::Doplyw, 0);
    if (section.length <= 0) reader.fail("długość odcinka musi być większa od zera", position(InputColumn::Dlugosc));
    if (section.inflow < 0) reader.fail("dopływ nie może być ujemny", position(InputColumn::Doplyw));
    if (section.from == section.to)
        reader.fail("odcinek \"" + section.name + "\" zaczyna się i kończy w tej samej studni \"" + section.from +
                    "\"");
    readCatchment(reader, section);

    // The pipe's fields as a vexa-calc line holds them.
    const auto field = [&fields](InputColumn input) { return fields[static_cast<std::size_t>(position(input))]; };
    const std::vector<std::string> pipeFields{section.name,
                                              field(InputColumn::Typ),
                                              field(InputColumn::Srednica),
                                              field(InputColumn::SDR),
                                              field(InputColumn::Scieki),
                                              field(InputColumn::Opory),
                                              "",
                                              "",
                                              "",
                                              "",
                                              "",
                                              field(InputColumn::KryteriumDoboru),
                                              field(InputColumn::HdMax)};
    try {
        section.pipe = parseSection(delimited::joined(pipeFields));
    } catch (const MalformedLine& problem) {
        const int column =
            problem.field() >= 0 ? kNetworkColumnOfBatchField[static_cast<std::size_t>(problem.field())] : -1;
        throw NetworkError({line}, problem.what(), column, column >= 0 ? problem.detail() : std::string());
    }
    return section;
}

// Every flow of the design is a sum of inflows, and every rain's area a
// sum of reduced areas.
void checkTotals(const Network& network) {
    long long inflow = 0, area = 0;
    for (const NetworkSection& section : network.sections) {
        inflow += section.inflow;
        if (inflow >= kLargestNetworkValue)
            refuse({section.line}, "suma dopływów sieci do tego wiersza leży poza zakresem",
                   position(InputColumn::Doplyw));
        area += section.reducedArea();
        if (area >= kLargestNetworkValue)
            refuse({section.line}, "suma zlewni zredukowanych sieci do tego wiersza leży poza zakresem",
                   position(InputColumn::Zlewnia));
    }
}

// Names and outflows, in the order of the lines: the first section that
// repeats either is refused.
void checkNamesAndManholes(const Network& network) {
    std::unordered_map<std::string, std::size_t> names;  // section name -> its first section
    std::optional<std::pair<std::size_t, std::size_t>> sameName;
    for (std::size_t n = 0; n < network.sections.size() && !sameName; ++n)
        if (auto [seen, added] = names.emplace(network.sections[n].name, n); !added) sameName = {seen->second, n};
    const auto& secondOutflow = network.topology.secondOutflow();
    const auto line = [&](std::size_t section) { return network.sections[section].line; };
    if (sameName && (!secondOutflow || sameName->second <= secondOutflow->second))
        refuse({line(sameName->first), line(sameName->second)},
               "dwa odcinki noszą nazwę \"" + network.sections[sameName->second].name + "\"",
               position(InputColumn::Odcinek));
    if (secondOutflow)
        refuse({line(secondOutflow->first), line(secondOutflow->second)},
               "ze studni \"" + network.sections[secondOutflow->second].from + "\" wychodzą dwa odcinki",
               position(InputColumn::Od));
}

void checkGroundLevels(const Network& network) {
    struct Seen {
        long long level;
        int line;
    };
    std::unordered_map<std::string, Seen> ground;
    for (const NetworkSection& section : network.sections) {
        for (const auto& [manhole, level] :
             {std::pair{&section.from, section.groundFrom}, std::pair{&section.to, section.groundTo}}) {
            const auto [seen, added] = ground.emplace(*manhole, Seen{level, section.line});
            if (!added && seen->second.level != level)
                refuse({seen->second.line, section.line}, "różne rzędne terenu studni \"" + *manhole +
                                                              "\": " + formatScaled(seen->second.level, 3) + " m i " +
                                                              formatScaled(level, 3) + " m");
        }
    }
}

void checkNoCircle(const Network& network) {
    if (const auto circle = network.topology.circle()) {
        std::vector<int> lines;
        for (const std::size_t n : *circle) lines.push_back(network.sections[n].line);
        refuse(lines, "odcinki tworzą zamknięty obieg");
    }
}

}  // namespace

DecodedFileText decodedFileText(std::string_view bytes) {
    DecodedFileText decoded;
    // Spreadsheets save UTF-8 text with a byte-order mark before it.
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        decoded.byteOrderMark = true;
        bytes.remove_prefix(3);
    }
    decoded.text = bytes;
    try {
        text::toUtf32(decoded.text);
    } catch (const EncodingError&) {
        // Not UTF-8: a file of the code page, every byte of which is a character.
        decoded.text = cp1250::decode(bytes);
        decoded.codePage1250 = true;
    }
    return decoded;
}

NetworkText readNetworkText(std::string_view bytes) {
    NetworkText text;
    DecodedFileText read = decodedFileText(bytes);
    std::string decoded = std::move(read.text);
    text.codePage1250 = read.codePage1250;
    text.byteOrderMark = read.byteOrderMark;
    text.crLf = decoded.find("\r\n") != std::string::npos;
    try {
        text.records = delimited::records(decoded);
    } catch (const delimited::UnclosedQuote& problem) {
        const int field = std::min(problem.field(), kInputColumnCount - 1);
        refuseField(problem.line(), field, kUnclosedQuote);
    }
    static const std::vector<std::string> kHead = delimited::split(kNetworkHeadLine);
    static const std::vector<std::string> kOldHead = delimited::split(kNetworkHeadLineWithoutCatchments);
    if (text.records.empty() || (text.records.front().fields != kHead && text.records.front().fields != kOldHead))
        refuse({text.records.empty() ? 1 : text.records.front().line},
               std::string("pierwszy wiersz sieci musi brzmieć \"") + kNetworkHeadLine + "\" albo \"" +
                   kNetworkHeadLineWithoutCatchments + "\"");
    text.columns = static_cast<int>(text.records.front().fields.size());
    text.records.erase(text.records.begin());
    return text;
}

bool Network::rain() const {
    return std::any_of(sections.begin(), sections.end(),
                       [](const NetworkSection& section) { return section.reducedArea() > 0; });
}

Network readNetwork(const std::vector<delimited::Record>& records, int columns) {
    Network network;
    network.sections.reserve(records.size());
    for (const delimited::Record& record : records) network.sections.push_back(readSection(record, columns));
    network.topology = NetworkTopology(network.sections);
    checkTotals(network);
    checkNamesAndManholes(network);
    checkGroundLevels(network);
    checkNoCircle(network);
    return network;
}

Network readNetwork(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + '\n';
    const NetworkText read = readNetworkText(text);
    return readNetwork(read.records, read.columns);
}

}  // namespace vexa

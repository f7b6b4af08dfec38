#include "network/network_file.h"

#include <algorithm>
#include <optional>
#include <tuple>
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

// The fields of one line, read one by one: a field that cannot be read is
// told to `faults` and read as nothing, so that every fault of the line is
// found, in the order the fields are read.
class LineReader {
public:
    LineReader(int line, const std::vector<std::string>& fields, std::vector<NetworkError>& faults)
        : line_(line), fields_(fields), faults_(faults) {}

    // A name that must not be empty, without the blanks around it: "S2 "
    // names the manhole S2.
    std::optional<std::string> name(InputColumn input) const {
        std::string text = delimited::trimmed(field(input));
        if (text.empty()) return fieldFault(input, "jest puste"), std::nullopt;
        return text;
    }

    // A number in units of 10^-decimals of its column, read as a typed
    // number is read; an empty field is `empty`, or a fault without it.
    std::optional<long long> number(InputColumn input, std::optional<long long> empty = std::nullopt) const {
        const std::string& text = field(input);
        if (delimited::trimmed(text).empty()) {
            if (!empty) fieldFault(input, "jest puste");
            return empty;
        }
        std::optional<long long> value;
        try {
            value = parseScaled(withDecimalComma(text), vexa::column(input).decimals);
        } catch (const ConversionError&) {
            return fieldFault(input, "\"" + text + "\" nie jest liczbą"), std::nullopt;
        }
        if (!value || *value >= kLargestNetworkValue || *value <= -kLargestNetworkValue)
            return fieldFault(input, "\"" + text + "\" leży poza zakresem"), std::nullopt;
        return value;
    }

    // The number of a field number() has read, as typed.
    extended typed(InputColumn input) const { return parseNumber(withDecimalComma(field(input))); }
    bool empty(InputColumn input) const { return delimited::trimmed(field(input)).empty(); }

    void fail(const std::string& problem, int column = -1) const {
        faults_.emplace_back(std::vector{line_}, problem, column);
    }
    // A problem of one field: "pole <key> <detail>".
    void fieldFault(InputColumn input, const std::string& detail) const {
        const int column = position(input);
        faults_.emplace_back(std::vector{line_},
                             std::string("pole ") + kInputColumns[static_cast<std::size_t>(column)].key + " " + detail,
                             column, detail);
    }

private:
    const std::string& field(InputColumn input) const { return fields_[static_cast<std::size_t>(position(input))]; }

    int line_;
    const std::vector<std::string>& fields_;
    std::vector<NetworkError>& faults_;
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
    const std::optional<long long> area = reader.number(InputColumn::Zlewnia, 0);
    const extended typedArea = area && !reader.empty(InputColumn::Zlewnia) ? reader.typed(InputColumn::Zlewnia) : 0;
    if (typedArea < 0) reader.fail("powierzchnia zlewni nie może być ujemna", position(InputColumn::Zlewnia));
    section.catchmentArea = area.value_or(0);
    if (reader.empty(InputColumn::Psi)) {
        if (typedArea > 0) reader.fieldFault(InputColumn::Psi, "jest puste przy zlewni większej od zera");
        return;
    }
    const std::optional<long long> coefficient = reader.number(InputColumn::Psi);
    if (!coefficient) return;
    section.runoffCoefficient = *coefficient;
    const extended typedCoefficient = reader.typed(InputColumn::Psi);
    if (typedCoefficient < 0 || typedCoefficient > 1)
        reader.fail("współczynnik spływu musi leżeć w przedziale od 0 do 1", position(InputColumn::Psi));
}

// A section as far as its line can be read.
struct ReadLine {
    NetworkSection section;
    bool kept = false;                          // its name and its downstream manhole are read
    bool groundFrom = false, groundTo = false;  // the ground levels are
};

void leaveOut(NetworkSection& section, const NetworkError& fault) {
    if (section.fault.empty()) section.fault = fault.what();
    section.catchmentArea = 0;
    section.runoffCoefficient = 0;
}

ReadLine readLine(const delimited::Record& record, int columns, std::vector<NetworkError>& faults) {
    const int line = record.line;
    const std::size_t firstFault = faults.size();
    if (static_cast<int>(record.fields.size()) > columns)
        faults.emplace_back(std::vector{line}, "wiersz ma " + std::to_string(record.fields.size()) +
                                                   " pól, a najwyżej " + std::to_string(columns));
    std::vector<std::string> fields = record.fields;
    fields.resize(kInputColumnCount);
    const LineReader reader(line, fields, faults);

    ReadLine read;
    NetworkSection& section = read.section;
    section.line = line;
    const auto name = reader.name(InputColumn::Odcinek);
    const auto from = reader.name(InputColumn::Od);
    const auto to = reader.name(InputColumn::Do);
    const auto length = reader.number(InputColumn::Dlugosc);
    const auto groundFrom = reader.number(InputColumn::TerenOd);
    const auto groundTo = reader.number(InputColumn::TerenDo);
    const auto inflow = reader.number(InputColumn::Doplyw, 0);
    if (length && *length <= 0) reader.fail("długość odcinka musi być większa od zera", position(InputColumn::Dlugosc));
    if (inflow && *inflow < 0) reader.fail("dopływ nie może być ujemny", position(InputColumn::Doplyw));
    if (from && from == to)
        reader.fail((name ? "odcinek \"" + *name + "\"" : std::string("odcinek")) +
                    " zaczyna się i kończy w tej samej studni \"" + *from + "\"");
    section.name = name.value_or("");
    section.from = from.value_or("");
    section.to = to.value_or("");
    section.length = length.value_or(0);
    section.groundFrom = groundFrom.value_or(0);
    section.groundTo = groundTo.value_or(0);
    section.inflow = inflow && *inflow >= 0 ? *inflow : 0;
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
        faults.emplace_back(std::vector{line}, problem.what(), column, column >= 0 ? problem.detail() : std::string());
    }

    read.kept = name && to;
    read.groundFrom = groundFrom && from && from != to;  // a manhole of its own only where it has two
    read.groundTo = groundTo.has_value();
    if (faults.size() > firstFault) {
        leaveOut(section, faults[firstFault]);
        section.detached = !from || from == to;
    }
    return read;
}

// Every flow of the design is a sum of inflows, and every rain's area a
// sum of reduced areas: a line that takes either sum out of range is left
// out, with what it would add.
void checkTotals(Network& network, std::vector<NetworkError>& faults) {
    long long inflow = 0, area = 0;
    for (NetworkSection& section : network.sections) {
        inflow += section.inflow;
        if (inflow >= kLargestNetworkValue) {
            inflow -= section.inflow;
            section.inflow = 0;
            leaveOut(section, faults.emplace_back(std::vector{section.line},
                                                  "suma dopływów sieci do tego wiersza leży poza zakresem",
                                                  position(InputColumn::Doplyw)));
        }
        area += section.reducedArea();
        if (area >= kLargestNetworkValue) {
            area -= section.reducedArea();
            leaveOut(section, faults.emplace_back(std::vector{section.line},
                                                  "suma zlewni zredukowanych sieci do tego wiersza leży poza zakresem",
                                                  position(InputColumn::Zlewnia)));
        }
    }
}

// Each section repeating the name of an earlier one, and each leaving a
// manhole an earlier one leaves, with that earlier one; in the order of the
// later sections, a name before a manhole. Both of a pair are left out,
// and of a manhole left twice both leave it no more.
void checkNamesAndManholes(Network& network, std::vector<NetworkError>& faults) {
    std::unordered_map<std::string, std::size_t> names, leaving;  // -> the first section
    std::vector<std::pair<std::size_t, std::size_t>> outflows;
    std::vector<NetworkSection>& sections = network.sections;
    for (std::size_t n = 0; n < sections.size(); ++n) {
        if (auto [seen, added] = names.emplace(sections[n].name, n); !added) {
            const std::size_t first = seen->second;
            leaveOut(sections[n], faults.emplace_back(std::vector{sections[first].line, sections[n].line},
                                                      "dwa odcinki noszą nazwę \"" + sections[n].name + "\"",
                                                      position(InputColumn::Odcinek)));
            leaveOut(sections[first], faults.back());
        }
        if (sections[n].detached) continue;
        if (auto [seen, added] = leaving.emplace(sections[n].from, n); !added) {
            const std::size_t first = seen->second;
            leaveOut(sections[n], faults.emplace_back(std::vector{sections[first].line, sections[n].line},
                                                      "ze studni \"" + sections[n].from + "\" wychodzą dwa odcinki",
                                                      position(InputColumn::Od)));
            leaveOut(sections[first], faults.back());
            outflows.emplace_back(first, n);
        }
    }
    // Detached only now: a third section leaving the manhole is a pair with the first too.
    for (const auto& [first, second] : outflows) sections[first].detached = sections[second].detached = true;
}

// Both of two lines that give one manhole different ground levels are left out.
void checkGroundLevels(Network& network, const std::vector<ReadLine>& read, std::vector<NetworkError>& faults) {
    struct Seen {
        long long level;
        std::size_t section;
    };
    std::unordered_map<std::string, Seen> ground;
    std::vector<NetworkSection>& sections = network.sections;
    for (std::size_t n = 0; n < sections.size(); ++n) {
        for (const auto& [manhole, level, known] :
             {std::tuple{&sections[n].from, sections[n].groundFrom, read[n].groundFrom},
              std::tuple{&sections[n].to, sections[n].groundTo, read[n].groundTo}}) {
            if (!known) continue;
            const auto [seen, added] = ground.emplace(*manhole, Seen{level, n});
            if (added || seen->second.level == level) continue;
            NetworkSection& first = sections[seen->second.section];
            leaveOut(sections[n], faults.emplace_back(std::vector{first.line, sections[n].line},
                                                      "różne rzędne terenu studni \"" + *manhole +
                                                          "\": " + formatScaled(seen->second.level, 3) + " m i " +
                                                          formatScaled(level, 3) + " m"));
            leaveOut(first, faults.back());
        }
    }
}

// The sections of a circle are left out and leave their manholes no more.
void checkNoCircle(Network& network, std::vector<NetworkError>& faults) {
    const std::vector<std::vector<std::size_t>> circles = network.topology.circles();
    for (const std::vector<std::size_t>& circle : circles) {
        std::vector<int> lines;
        for (const std::size_t n : circle) lines.push_back(network.sections[n].line);
        faults.emplace_back(std::move(lines), "odcinki tworzą zamknięty obieg");
        for (const std::size_t n : circle) {
            leaveOut(network.sections[n], faults.back());
            network.sections[n].detached = true;
        }
    }
    if (!circles.empty()) network.topology = NetworkTopology(network.sections);
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

namespace {

// A line as the store knows it: its place, the fields of its head line and its own.
struct StoredLineKey {
    int line;
    int columns;
    std::vector<std::string> fields;
    bool operator==(const StoredLineKey&) const = default;
};
struct StoredLineHash {
    std::size_t operator()(const StoredLineKey& key) const {
        std::size_t hash = std::hash<int>()(key.line) * 31 + static_cast<std::size_t>(key.columns);
        for (const std::string& field : key.fields) hash = hash * 1'000'003 ^ std::hash<std::string>()(field);
        return hash;
    }
};

}  // namespace

struct NetworkLineStore::Lines {
    struct Stored {
        ReadLine read;
        std::vector<NetworkError> faults;
        std::uint64_t used = 0;  // the last reading that met the line
    };
    std::unordered_map<StoredLineKey, Stored, StoredLineHash> lines;
    std::uint64_t reading = 0;
};

NetworkLineStore::NetworkLineStore() : lines_(std::make_unique<Lines>()) {}
NetworkLineStore::~NetworkLineStore() = default;

NetworkWithFaults readNetworkLeniently(const std::vector<delimited::Record>& records, int columns,
                                       NetworkLineStore* store) {
    NetworkWithFaults result;
    Network& network = result.network;
    std::vector<ReadLine> read;
    read.reserve(records.size());
    NetworkLineStore::Lines* stored = store ? store->lines_.get() : nullptr;
    if (stored) ++stored->reading;
    for (const delimited::Record& record : records) {
        ReadLine line;
        if (stored) {
            auto [at, added] = stored->lines.try_emplace(StoredLineKey{record.line, columns, record.fields});
            if (added) at->second.read = readLine(record, columns, at->second.faults);
            at->second.used = stored->reading;
            line = at->second.read;
            result.faults.insert(result.faults.end(), at->second.faults.begin(), at->second.faults.end());
        } else {
            line = readLine(record, columns, result.faults);
        }
        if (line.kept) read.push_back(std::move(line));
    }
    // Lines the edits have left behind go once they outnumber those read.
    if (stored && stored->lines.size() > 2 * records.size() + 1000)
        std::erase_if(stored->lines, [&](const auto& entry) { return entry.second.used != stored->reading; });
    network.sections.reserve(read.size());
    for (ReadLine& line : read) network.sections.push_back(std::move(line.section));
    checkTotals(network, result.faults);
    checkNamesAndManholes(network, result.faults);
    checkGroundLevels(network, read, result.faults);
    network.topology = NetworkTopology(network.sections);
    checkNoCircle(network, result.faults);
    return result;
}

Network readNetwork(const std::vector<delimited::Record>& records, int columns) {
    NetworkWithFaults read = readNetworkLeniently(records, columns);
    if (!read.faults.empty()) throw read.faults.front();
    return std::move(read.network);
}

Network readNetwork(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + '\n';
    const NetworkText read = readNetworkText(text);
    return readNetwork(read.records, read.columns);
}

}  // namespace vexa

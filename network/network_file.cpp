#include "network/network_file.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "toolkit/delimited_fields.h"
#include "toolkit/errors.h"
#include "toolkit/numbers.h"

namespace vexa {
namespace {

constexpr int kNetworkFields = 14;

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

}  // namespace

NetworkError::NetworkError(std::vector<int> lines, const std::string& problem, int field)
    : std::runtime_error(linesText(lines) + ": " + problem),
      lines_(std::move(lines)),
      field_(field),
      problem_(problem) {}

namespace {

class LineReader {
public:
    LineReader(int line, std::vector<std::string> fields) : line_(line), fields_(std::move(fields)) {}

    // A name that must not be empty, without the blanks around it: "S2 "
    // names the manhole S2.
    std::string name(int column, const char* field) const {
        std::string text = delimited::trimmed(fields_[static_cast<std::size_t>(column)]);
        if (text.empty()) fail(std::string("pole ") + field + " jest puste", column);
        return text;
    }

    // A number in units of 10^-decimals, read as a typed number is read; an
    // empty field is `empty`, or refused without it.
    long long number(int column, const char* name, int decimals, std::optional<long long> empty = std::nullopt) const {
        const std::string& field = fields_[static_cast<std::size_t>(column)];
        if (delimited::trimmed(field).empty()) {
            if (empty) return *empty;
            fail(std::string("pole ") + name + " jest puste", column);
        }
        std::optional<long long> value;
        try {
            value = parseScaled(withDecimalComma(field), decimals);
        } catch (const ConversionError&) {
            fail(std::string("pole ") + name + " \"" + field + "\" nie jest liczbą", column);
        }
        if (!value || *value >= kLargestNetworkValue || *value <= -kLargestNetworkValue)
            fail(std::string("pole ") + name + " \"" + field + "\" leży poza zakresem", column);
        return *value;
    }

    [[noreturn]] void fail(const std::string& problem, int column = -1) const { refuse({line_}, problem, column); }

private:
    int line_;
    std::vector<std::string> fields_;
};

NetworkSection readSection(int line, const std::string& text) {
    std::vector<std::string> fields = delimited::split(text);
    if (static_cast<int>(fields.size()) > kNetworkFields)
        refuse({line},
               "wiersz ma " + std::to_string(fields.size()) + " pól, a najwyżej " + std::to_string(kNetworkFields));
    fields.resize(kNetworkFields);
    const LineReader reader(line, fields);

    NetworkSection section;
    section.line = line;
    section.name = reader.name(0, "Odcinek");
    section.from = reader.name(1, "Od");
    section.to = reader.name(2, "Do");
    section.length = reader.number(3, "Dlugosc", 3);
    section.groundFrom = reader.number(4, "TerenOd", 3);
    section.groundTo = reader.number(5, "TerenDo", 3);
    section.inflow = reader.number(6, "Doplyw", 3, 0);
    if (section.length <= 0) reader.fail("długość odcinka musi być większa od zera", 3);
    if (section.inflow < 0) reader.fail("dopływ nie może być ujemny", 6);
    if (section.from == section.to)
        reader.fail("odcinek \"" + section.name + "\" zaczyna się i kończy w tej samej studni \"" + section.from +
                    "\"");

    // The pipe's fields as a vexa-calc line holds them.
    const std::vector<std::string> pipeFields{section.name, fields[7], fields[8], fields[9], fields[10], fields[11], "",
                                              "",           "",        "",        "",        fields[12], fields[13]};
    try {
        section.pipe = parseSection(delimited::joined(pipeFields));
    } catch (const MalformedLine& problem) {
        reader.fail(problem.what());
    }
    return section;
}

// Every flow of the design is a sum of inflows.
void checkTotalInflow(const Network& network) {
    long long total = 0;
    for (const NetworkSection& section : network.sections) {
        total += section.inflow;
        if (total >= kLargestNetworkValue)
            refuse({section.line}, "suma dopływów sieci do tego wiersza leży poza zakresem", 6);
    }
}

void checkNamesAndManholes(const Network& network) {
    std::unordered_map<std::string, int> names;     // section name -> line
    std::unordered_map<std::string, int> outflows;  // manhole -> line of the section leaving it
    for (const NetworkSection& section : network.sections) {
        if (auto [seen, added] = names.emplace(section.name, section.line); !added)
            refuse({seen->second, section.line}, "dwa odcinki noszą nazwę \"" + section.name + "\"", 0);
        if (auto [seen, added] = outflows.emplace(section.from, section.line); !added)
            refuse({seen->second, section.line}, "ze studni \"" + section.from + "\" wychodzą dwa odcinki", 1);
    }
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

// With at most one section leaving each manhole, water runs from a section
// to at most one next; a circle is a walk that comes back to itself.
void checkNoCircle(const Network& network) {
    const auto& sections = network.sections;
    std::unordered_map<std::string, std::size_t> leaving;
    for (std::size_t n = 0; n < sections.size(); ++n) leaving[sections[n].from] = n;
    enum class Seen { Not, OnThisWalk, LeadsOut };
    std::vector<Seen> seen(sections.size(), Seen::Not);
    for (std::size_t start = 0; start < sections.size(); ++start) {
        std::vector<std::size_t> walk;
        std::optional<std::size_t> at = start;
        while (at && seen[*at] == Seen::Not) {
            seen[*at] = Seen::OnThisWalk;
            walk.push_back(*at);
            const auto next = leaving.find(sections[*at].to);
            at = next == leaving.end() ? std::nullopt : std::optional(next->second);
        }
        if (at && seen[*at] == Seen::OnThisWalk) {
            std::vector<int> lines;
            for (auto n = std::find(walk.begin(), walk.end(), *at); n != walk.end(); ++n)
                lines.push_back(sections[*n].line);
            refuse(lines, "odcinki tworzą zamknięty obieg");
        }
        for (const std::size_t n : walk) seen[n] = Seen::LeadsOut;
    }
}

}  // namespace

Network readNetwork(const std::vector<std::string>& lines) {
    std::size_t first = 0;
    while (first < lines.size() && lines[first].empty()) ++first;
    // Spreadsheets save UTF-8 text with a byte-order mark before it.
    static const std::string kMarkedHead = std::string("\xEF\xBB\xBF") + kNetworkHeadLine;
    if (first == lines.size() || (lines[first] != kNetworkHeadLine && lines[first] != kMarkedHead))
        refuse({first == lines.size() ? 1 : static_cast<int>(first) + 1},
               std::string("pierwszy wiersz sieci musi brzmieć \"") + kNetworkHeadLine + "\"");
    Network network;
    network.sections.reserve(lines.size() - first - 1);
    for (std::size_t n = first + 1; n < lines.size(); ++n)
        if (!lines[n].empty()) network.sections.push_back(readSection(static_cast<int>(n) + 1, lines[n]));
    checkTotalInflow(network);
    checkNamesAndManholes(network);
    checkGroundLevels(network);
    checkNoCircle(network);
    return network;
}

}  // namespace vexa

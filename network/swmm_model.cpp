#include "network/swmm_model.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "engine/hydraulics.h"
#include "toolkit/cp1250.h"
#include "toolkit/numbers.h"
#include "toolkit/text.h"

namespace vexa {
namespace {

constexpr extended kPi = 3.141592653589793238462643383279502884L;
// The link that takes several sections' water from an outlet to its free
// outfall (SWMM lets one link alone into an outfall): long and steep enough
// to carry it all without holding any back.
constexpr long long kOutfallLinkLength = 5000;  // mm
constexpr long long kOutfallLinkDrop = 50;      // mm
constexpr extended kOutfallLinkManning = 0.011L;
// Rows of the generated layout, apart [m].
constexpr long long kRowSpacing = 30;

// The options of every model: litres per second, dynamic waves, inverts as
// elevations, six hours of constant flows. A short routing step: at 5 s SWMM
// lets the flow of a large, flat pipe swing about its constant supply.
constexpr std::array<std::pair<const char*, const char*>, 30> kOptions{{
    {"FLOW_UNITS", "LPS"},
    {"INFILTRATION", "HORTON"},
    {"FLOW_ROUTING", "DYNWAVE"},
    {"LINK_OFFSETS", "ELEVATION"},
    {"MIN_SLOPE", "0"},
    {"ALLOW_PONDING", "NO"},
    {"SKIP_STEADY_STATE", "NO"},
    {"START_DATE", "01/01/2024"},
    {"START_TIME", "00:00:00"},
    {"REPORT_START_DATE", "01/01/2024"},
    {"REPORT_START_TIME", "00:00:00"},
    {"END_DATE", "01/01/2024"},
    {"END_TIME", "06:00:00"},
    {"DRY_DAYS", "0"},
    {"REPORT_STEP", "00:15:00"},
    {"WET_STEP", "00:05:00"},
    {"DRY_STEP", "01:00:00"},
    {"ROUTING_STEP", "0:00:01"},
    {"INERTIAL_DAMPING", "PARTIAL"},
    {"NORMAL_FLOW_LIMITED", "BOTH"},
    {"FORCE_MAIN_EQUATION", "H-W"},
    {"VARIABLE_STEP", "0.75"},
    {"LENGTHENING_STEP", "0"},
    {"MIN_SURFAREA", "1.167"},
    {"MAX_TRIALS", "8"},
    {"HEAD_TOLERANCE", "0.0015"},
    {"SYS_FLOW_TOL", "5"},
    {"LAT_FLOW_TOL", "5"},
    {"MINIMUM_STEP", "0.5"},
    {"THREADS", "1"},
}};

std::string metres(long long millimetres) { return withDecimalPoint(formatScaled(millimetres, 3)); }
std::string number(extended value) { return withDecimalPoint(formatGeneral(value)); }

// A column of a section's lines, padded as SWMM's own files are.
std::string row(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t n = 0; n < fields.size(); ++n) {
        line += fields[n];
        const std::size_t length = text::length(fields[n]);
        if (n + 1 < fields.size()) line += std::string(length < 17 ? 17 - length : 1, ' ');
    }
    return line;
}

// Names as SWMM takes them: no blanks or ";", letters of the code page
// only, and unique regardless of case (SWMM compares names so).
class SwmmNames {
public:
    std::string operator()(const std::string& name) {
        if (const auto found = given_.find(name); found != given_.end()) return found->second;
        std::string base;
        for (const char32_t character : text::toUtf32(name)) {
            const bool usable = character > U' ' && character != U';' && character != U'"' &&
                                !text::isControl(character) && cp1250::byteFor(character).has_value();
            base += usable ? text::toUtf8(std::u32string(1, character)) : std::string("_");
        }
        if (base.empty()) base = "_";
        std::string id = base;
        for (int n = 2; !taken_.insert(caseless(id)).second; ++n) id = base + "_" + std::to_string(n);
        given_.emplace(name, id);
        return id;
    }

private:
    static std::string caseless(std::string id) {
        for (char& c : id)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        return id;
    }
    std::unordered_map<std::string, std::string> given_;
    std::unordered_set<std::string> taken_;
};

struct Node {
    std::string manhole;
    std::string id;
    long long ground = 0;
    long long invert = 0;
    bool drains = false;                // a written conduit leaves it
    std::vector<std::size_t> arriving;  // written sections ending in it, in the file's order
    long long inflow = 0;               // ml/s
    long long x = 0, y = 0;             // m
};

// The section's pipe as SWMM draws it: Dw [m], its slope, and the n that
// carries its Colebrook-White full-pipe flow.
struct Conduit {
    extended diameter = 0;
    extended manning = 0;
};

Conduit conduitOf(const SectionDesign& design) {
    const BatchResult& result = design.result;
    const extended slope = static_cast<extended>(parseScaled(result.Bi(), 1).value()) / 10000.0L;
    const extended roughness = parseNumber(withDecimalComma(result.Bk())) / 1000.0L;
    const extended fullFlow = Przeplyw100(result.innerDiameter / 1000.0L, roughness, slope) / 1000.0L;
    const extended diameter = static_cast<extended>(design.innerDiameter) / 1000.0L;
    return {diameter, equivalentManning(diameter, slope, fullFlow)};
}

}  // namespace

extended equivalentManning(extended diameter, extended slope, extended fullFlow) {
    return kPi * diameter * diameter / 4.0L * powl(diameter / 4.0L, 2.0L / 3.0L) * sqrtl(slope) / fullFlow;
}

std::vector<std::string> swmmModelLines(const Network& network, const std::vector<SectionDesign>& designs,
                                        const std::string& title) {
    SwmmNames nodeNames, linkNames;
    std::vector<Node> nodes;
    std::unordered_map<std::string, std::size_t> nodeOf;
    const auto node = [&](const std::string& manhole, long long ground) -> Node& {
        const auto [found, added] = nodeOf.emplace(manhole, nodes.size());
        if (added) nodes.push_back({manhole, nodeNames(manhole), ground, 0, false, {}, 0, 0, 0});
        return nodes[found->second];
    };

    // The nodes of the sections with levels, each at its lowest invert.
    std::vector<std::string> leftOut;
    for (std::size_t n = 0; n < network.sections.size(); ++n) {
        const NetworkSection& section = network.sections[n];
        const auto& levels = designs[n].levels;
        if (!levels) {
            leftOut.push_back(";;" + section.name + ": bez wyniku, pominięty");
            continue;
        }
        const bool newFrom = !nodeOf.count(section.from);
        Node& from = node(section.from, section.groundFrom);
        from.invert = newFrom ? levels->invertFrom : std::min(from.invert, levels->invertFrom);
        from.drains = true;
        const bool newTo = !nodeOf.count(section.to);
        Node& to = node(section.to, section.groundTo);
        to.invert = newTo ? levels->invertTo : std::min(to.invert, levels->invertTo);
        to.arriving.push_back(n);
    }

    // The flows entering at each manhole: its inflows, and the rain that
    // each section's own catchment adds to what arrives. Where a section is
    // left out, its water enters at the first manhole below it in the model,
    // so that the model carries the design flows.
    for (std::size_t n = 0; n < network.sections.size(); ++n) {
        std::string manhole = network.sections[n].from;
        auto found = nodeOf.find(manhole);
        while (found == nodeOf.end()) {
            const auto below = network.topology.leaving(manhole);
            if (!below) break;
            manhole = network.sections[*below].to;
            found = nodeOf.find(manhole);
        }
        if (found == nodeOf.end()) continue;
        long long arriving = 0;
        for (const std::size_t above : network.topology.incoming(n)) arriving += designs[above].rain.flow.value_or(0);
        nodes[found->second].inflow +=
            network.sections[n].inflow + std::max(0LL, designs[n].rain.flow.value_or(0) - arriving);
    }

    // The sections keep their names before any link of the model's own.
    for (std::size_t n = 0; n < network.sections.size(); ++n)
        if (designs[n].levels) linkNames(network.sections[n].name);

    // A layout to draw: each tree from its outlet upstream, the first
    // arriving section straight on, the others on rows of their own.
    long long nextRow = 0;
    for (std::size_t outlet = 0; outlet < nodes.size(); ++outlet) {
        if (nodes[outlet].drains) continue;
        std::vector<std::size_t> pending{outlet};
        nodes[outlet].y = nextRow++ * kRowSpacing;
        while (!pending.empty()) {
            const Node below = nodes[pending.back()];
            pending.pop_back();
            for (std::size_t k = 0; k < below.arriving.size(); ++k) {
                const NetworkSection& section = network.sections[below.arriving[k]];
                Node& above = nodes[nodeOf.at(section.from)];
                above.x = below.x - (section.length + 500) / 1000;
                above.y = k == 0 ? below.y : nextRow++ * kRowSpacing;
                pending.push_back(nodeOf.at(section.from));
            }
        }
    }

    std::vector<std::string> junctions{
        "[JUNCTIONS]", ";;Name           Elevation        MaxDepth         InitDepth        SurDepth         Aponded"};
    std::vector<std::string> outfalls{"[OUTFALLS]", ";;Name           Elevation        Type             Gated"};
    std::vector<std::string> conduits{"[CONDUITS]",
                                      ";;Name           From Node        To Node          Length           Roughness   "
                                      "     InOffset         OutOffset        InitFlow         MaxFlow"};
    std::vector<std::string> sections{"[XSECTIONS]",
                                      ";;Link           Shape            Geom1            Geom2            Geom3       "
                                      "     Geom4            Barrels"};
    std::vector<std::string> inflows{"[INFLOWS]",
                                     ";;Node           Constituent      Time Series      Type             Mfactor      "
                                     "    Sfactor          Baseline"};
    std::vector<std::string> coordinates{"[COORDINATES]", ";;Node           X-Coord          Y-Coord"};
    const auto junction = [&](const std::string& id, long long invert, long long depth) {
        junctions.push_back(row({id, metres(invert), metres(depth), "0", "0", "0"}));
    };
    const auto conduit = [&](const std::string& id, const std::string& from, const std::string& to, long long length,
                             extended manning, long long inOffset, long long outOffset, extended diameter) {
        conduits.push_back(
            row({id, from, to, metres(length), number(manning), metres(inOffset), metres(outOffset), "0", "0"}));
        sections.push_back(row({id, "CIRCULAR", number(diameter), "0", "0", "0", "1"}));
    };

    for (const Node& each : nodes) {
        coordinates.push_back(row({each.id, std::to_string(each.x), std::to_string(each.y)}));
        if (each.inflow > 0)
            inflows.push_back(row({each.id, "FLOW", "\"\"", "FLOW", "1.0", "1.0",
                                   withDecimalPoint(formatScaledGeneral(each.inflow, 3))}));
        if (each.drains || each.arriving.size() <= 1) {
            if (each.drains)
                junction(each.id, each.invert, each.ground - each.invert);
            else
                outfalls.push_back(row({each.id, metres(each.invert), "FREE", "NO"}));
            continue;
        }
        // Several sections into one outlet: a junction, and one short link to the outfall.
        junction(each.id, each.invert, each.ground - each.invert);
        const std::string outfall = nodeNames(each.manhole + "_wylot");
        outfalls.push_back(row({outfall, metres(each.invert - kOutfallLinkDrop), "FREE", "NO"}));
        coordinates.push_back(
            row({outfall, std::to_string(each.x + kOutfallLinkLength / 1000), std::to_string(each.y)}));
        extended widest = 0;
        for (const std::size_t n : each.arriving) widest = std::max(widest, conduitOf(designs[n]).diameter);
        conduit(linkNames(each.manhole + "_odplyw"), each.id, outfall, kOutfallLinkLength, kOutfallLinkManning,
                each.invert, each.invert - kOutfallLinkDrop, 2 * widest);
    }
    for (std::size_t n = 0; n < network.sections.size(); ++n) {
        const auto& levels = designs[n].levels;
        if (!levels) continue;
        const NetworkSection& section = network.sections[n];
        const Conduit pipe = conduitOf(designs[n]);
        conduit(linkNames(section.name), nodes[nodeOf.at(section.from)].id, nodes[nodeOf.at(section.to)].id,
                section.length, pipe.manning, levels->invertFrom, levels->invertTo, pipe.diameter);
    }
    conduits.insert(conduits.end(), leftOut.begin(), leftOut.end());

    std::vector<std::string> lines{"[TITLE]",   ";;Project Title/Notes",     title, "",
                                   "[OPTIONS]", ";;Option             Value"};
    for (const auto& [option, value] : kOptions)
        lines.push_back(option + std::string(21 - std::string(option).size(), ' ') + value);
    lines.push_back("");
    for (auto* part : {&junctions, &outfalls, &conduits, &sections, &inflows, &coordinates}) {
        lines.insert(lines.end(), part->begin(), part->end());
        lines.push_back("");
    }
    return lines;
}

}  // namespace vexa

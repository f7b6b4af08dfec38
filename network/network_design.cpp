#include "network/network_design.h"

#include <algorithm>
#include <cmath>

#include "catalogue/design_choices.h"
#include "toolkit/numbers.h"

namespace vexa {
namespace {

// a / b rounded up, for a >= 0 and b > 0.
long long ceilDiv(long long a, long long b) { return (a + b - 1) / b; }

class SectionDesigner {
public:
    SectionDesigner(const Network& network, const NetworkParameters& parameters, SectionCalculator& calculator,
                    std::vector<SectionDesign>& designs)
        : network_(network), parameters_(parameters), calculator_(calculator), designs_(designs) {}

    void design(std::size_t index) {
        const NetworkSection& section = network_.sections[index];
        SectionDesign& design = designs_[index];
        design.sanitaryFlow = section.inflow;
        design.rain = {};
        design.rain.reducedArea = section.reducedArea();
        for (const std::size_t above : network_.topology.incoming(index)) {
            design.sanitaryFlow += designs_[above].sanitaryFlow;
            design.rain.reducedArea += designs_[above].rain.reducedArea;
        }
        if (section.leftOut()) {
            // Not designed, as a section without a result: what runs into it
            // runs on below it, and so do the catchments above it and their
            // time to its upper end; it has no rain part of its own.
            design.rain.endTime = upstreamTime(index);
            design.rain.flow.reset();
            design.flow = design.sanitaryFlow;
            design.result.message = section.fault;
            return;
        }
        const bool converged = design.rain.reducedArea == 0 ? (calculate(index, design.sanitaryFlow, design), true)
                                                            : designForRain(index, design);

        std::vector<std::string> notes;
        if (design.flow < parameters_.flowMin)
            notes.push_back("obliczono dla Q = " + designFlowText(design.flow) + " l/s");
        if (!converged) notes.push_back("brak zbieżności czasu przepływu");
        const long long groundSlope = groundSlopeOf(section);
        if (groundSlope > parameters_.slopeMax)
            notes.push_back("spadek terenu " + slopeText(groundSlope) + " ‰ > " + slopeText(parameters_.slopeMax) +
                            " ‰");
        if (design.levels) levelNotes(index, design, notes);
        for (const std::size_t above : network_.topology.incoming(index))
            if (!designs_[above].result.computed)
                notes.push_back("dopływ z odcinka " + network_.sections[above].name + " bez wyniku");
        outletNotes(section, design, notes);
        for (std::size_t n = 0; n < notes.size(); ++n) design.notes += (n > 0 ? ", " : "") + notes[n];
    }

private:
    // The ground's slope in tenths of a per mille, rounded up; 0 where it rises.
    static long long groundSlopeOf(const NetworkSection& section) {
        const long long fall = section.groundFrom - section.groundTo;
        return fall > 0 ? ceilDiv(10000 * fall, section.length) : 0;
    }

    // The flow a section is designed for, as the calculation reads it.
    std::string designFlowText(long long flow) const {
        return formatScaledGeneral(std::max(flow, parameters_.flowMin), 3);
    }

    // The section designed for `flow` by the design window's calculation,
    // its levels chained from the sections above it.
    void calculate(std::size_t index, long long flow, SectionDesign& design) {
        const NetworkSection& section = network_.sections[index];
        design.flow = flow;
        design.levels.reset();
        design.notes.clear();
        design.programFault = false;
        long long slopeFrom = std::max(groundSlopeOf(section), parameters_.slopeMin);
        const long long slopeTo = parameters_.slopeMax;
        if (slopeFrom > slopeTo) slopeFrom = slopeTo;

        BatchSection& line = design.calculated;
        line = section.pipe;
        line.name = section.name;
        line.flow = designFlowText(flow);
        line.slope = slopeText(slopeFrom);
        line.slopeCriterion = slope_criterion::kMinimise;
        line.slopeFrom = slopeText(slopeFrom);
        line.slopeTo = slopeText(slopeTo);
        try {
            design.result = calculator_.run(line);
            if (design.result.computed) setLevels(index, design);
        } catch (const std::exception& fault) {  // one section's fault is that section's
            design.result = {};
            design.levels.reset();
            design.result.message = std::string("nieoczekiwany błąd programu: ") + fault.what();
            design.programFault = true;
        }
    }

    // A section below a catchment: its rain lasts as long as the water runs
    // to its end, through its own pipe too, so it is designed in passes,
    // each with the flow time through the pipe of the pass before, until
    // its flow repeats. False when it never does (the first pass is kept).
    bool designForRain(std::size_t index, SectionDesign& design) {
        const NetworkSection& section = network_.sections[index];
        const long long upTime = upstreamTime(index);
        long long largestIncoming = 0;
        for (const std::size_t above : network_.topology.incoming(index))
            largestIncoming = std::max(largestIncoming, designs_[above].rain.flow.value_or(0));
        const auto finish = [&](long long ownTime) {
            design.rain.endTime = std::min(upTime + (design.result.computed ? ownTime : 0), kLongestTime);
        };

        designRainPass(index, upTime, 0, largestIncoming, design);
        if (!design.result.computed) return finish(0), true;
        long long firstFlowTime = 0;
        for (int pass = 1; pass <= kLastPass; ++pass) {
            const long long before = design.flow;
            const long long own = flowTime(section.length, design.result.state.vwy);
            if (pass == 1) firstFlowTime = own;
            designRainPass(index, upTime, own, largestIncoming, design);
            if (!design.result.computed || design.flow == before) return finish(own), true;
        }
        designRainPass(index, upTime, 0, largestIncoming, design);
        design.rain.flowTime = firstFlowTime;
        finish(firstFlowTime);
        return false;
    }

    // The longest time the water of a catchment above takes to the section's upper end.
    long long upstreamTime(std::size_t index) const {
        long long time = 0;
        for (const std::size_t above : network_.topology.incoming(index))
            if (designs_[above].rain.reducedArea > 0) time = std::max(time, designs_[above].rain.endTime);
        return time;
    }

    // One pass: the rain's duration for the section's own flow time
    // `ownTime`, its intensity, the rain part of the flow and the design.
    void designRainPass(std::size_t index, long long upTime, long long ownTime, long long largestIncoming,
                        SectionDesign& design) {
        SectionRain& rain = design.rain;
        rain.flowTime = ownTime;
        const long long flowing = std::min(upTime + ownTime, kLongestTime);
        rain.duration =
            std::max(parameters_.runoffTime + (parameters_.retention * flowing + 50) / 100, parameters_.shortestRain);
        rain.intensity = parameters_.rainTable ? tableIntensity(*parameters_.rainTable, *rain.duration)
                                               : formulaIntensity(parameters_.annualPrecipitation,
                                                                  parameters_.rainFrequency, *rain.duration);
        const auto noResult = [&](const std::string& message) {
            rain.flow.reset();
            design.flow = design.sanitaryFlow;
            design.calculated = {};
            design.result = {};
            design.result.message = message;
            design.levels.reset();
            design.programFault = false;
        };
        if (!rain.intensity)
            return noResult("Czas deszczu " + minutesText(*rain.duration) + " min wykracza poza tabelę deszczu");
        const extended rainFlow = floorl(*rain.intensity * static_cast<extended>(rain.reducedArea) / 1000.0L + 0.5L);
        if (!(rainFlow < static_cast<extended>(kLargestNetworkValue)))
            return noResult("przepływ deszczowy leży poza zakresem");
        rain.flow = std::max(static_cast<long long>(rainFlow), largestIncoming);
        calculate(index, design.sanitaryFlow + *rain.flow, design);
    }

    // The time the water takes through `length` mm at `velocity` m/s [ms].
    static long long flowTime(long long length, extended velocity) {
        const extended time = floorl(static_cast<extended>(length) / velocity + 0.5L);
        return velocity > 0 && time < static_cast<extended>(kLongestTime) ? static_cast<long long>(time) : kLongestTime;
    }

    // A network is designed in at most this many passes after the first.
    static constexpr int kLastPass = 10;
    // Flow times stop growing here (some 30 000 years), so that no sum of
    // them leaves 64 bits.
    static constexpr long long kLongestTime = 1'000'000'000'000'000LL;

    void setLevels(std::size_t index, SectionDesign& design) {
        const NetworkSection& section = network_.sections[index];
        const long long outer = std::llround(design.result.outerDiameter);
        design.innerDiameter = std::llround(design.result.innerDiameter);
        const long long crown = ceilDiv(outer + design.innerDiameter, 2);
        const long long slope = parseScaled(design.result.Bi(), 1).value();  // one decimal
        const long long fall = (slope * section.length + 5000) / 10000;

        // The water's depth at the design filling.
        const long long water = static_cast<long long>(
            floorl(design.result.state.hnd * static_cast<extended>(design.innerDiameter) / 100.0L + 0.5L));

        // The highest upper invert that keeps the cover at both ends and
        // starts neither above an incoming invert nor, where the pipe grows,
        // with its crown above the incoming crown; joined on the water
        // surfaces, neither with its water above an incoming pipe's, which
        // would back up into it.
        long long invert = std::min(section.groundFrom - parameters_.cover - crown,
                                    section.groundTo - parameters_.cover - crown + fall);
        std::optional<long long> highestIncoming;
        for (const std::size_t above : network_.topology.incoming(index)) {
            const SectionDesign& upper = designs_[above];
            if (!upper.levels) continue;
            invert =
                std::min(invert, upper.levels->invertTo - std::max(0LL, design.innerDiameter - upper.innerDiameter));
            if (parameters_.joinWaterSurfaces)
                invert = std::min(invert, upper.levels->invertTo + upper.levels->water - water);
            highestIncoming = std::max(highestIncoming.value_or(upper.levels->invertTo), upper.levels->invertTo);
        }
        SectionLevels& levels = design.levels.emplace();
        levels.water = water;
        levels.invertFrom = invert;
        levels.invertTo = invert - fall;
        levels.coverFrom = section.groundFrom - levels.invertFrom - crown;
        levels.coverTo = section.groundTo - levels.invertTo - crown;
        levels.depthFrom = section.groundFrom - levels.invertFrom;
        levels.depthTo = section.groundTo - levels.invertTo;
        levels.drop = highestIncoming ? *highestIncoming - invert : 0;
        levels.crown = crown;
    }

    // Where the section ends in an outlet whose receiving sewer is given:
    // that sewer's invert, and whether the section can drain into it by
    // gravity and how far it drops into it.
    void outletNotes(const NetworkSection& section, SectionDesign& design, std::vector<std::string>& notes) const {
        const auto receiving = parameters_.receivingInverts.find(section.to);
        if (receiving == parameters_.receivingInverts.end() || network_.topology.leaving(section.to)) return;
        design.receivingInvert = receiving->second;
        if (!design.levels) return;
        const long long invert = design.levels->invertTo, below = receiving->second;
        if (invert < below)
            notes.push_back("dno " + formatScaled(invert, 3) + " m poniżej dna odbiornika " + formatScaled(below, 3) +
                            " m");
        design.outletDropManhole = invert - below > parameters_.dropMax;
        if (design.outletDropManhole)
            notes.push_back("studnia kaskadowa na wylocie " + formatScaled(invert - below, 3) + " m");
    }

    void levelNotes(std::size_t index, SectionDesign& design, std::vector<std::string>& notes) const {
        const SectionLevels& levels = *design.levels;
        design.dropManhole = levels.drop > parameters_.dropMax;
        if (design.dropManhole) notes.push_back("studnia kaskadowa " + formatScaled(levels.drop, 3) + " m");
        const long long depth = std::max(levels.depthFrom, levels.depthTo);
        if (depth > parameters_.depthMax)
            notes.push_back("zagłębienie " + formatScaled(depth, 3) + " m > " + formatScaled(parameters_.depthMax, 3) +
                            " m");
        for (const std::size_t above : network_.topology.incoming(index)) {
            if (designs_[above].result.computed && design.innerDiameter < designs_[above].innerDiameter) {
                notes.push_back("średnica mniejsza niż w odcinku " + network_.sections[above].name);
                break;
            }
        }
    }

    const Network& network_;
    const NetworkParameters& parameters_;
    SectionCalculator& calculator_;
    std::vector<SectionDesign>& designs_;
};

}  // namespace

std::optional<std::string> notAnOutlet(const Network& network, const NetworkParameters& parameters) {
    for (const auto& [name, invert] : parameters.receivingInverts)
        if (network.topology.arriving(name).empty() || network.topology.leaving(name)) return name;
    return std::nullopt;
}

std::string slopeText(long long tenths) { return formatScaled(tenths, 1); }
std::string minutesText(long long milliseconds) { return formatScaled((milliseconds + 300) / 600, 2); }

std::vector<SectionDesign> designNetwork(const Network& network, const NetworkParameters& parameters,
                                         SectionCalculator& calculator,
                                         const std::function<void(std::size_t)>& designed) {
    std::vector<SectionDesign> designs(network.sections.size());
    SectionDesigner designer(network, parameters, calculator, designs);
    for (const std::size_t index : network.topology.designOrder()) {
        designer.design(index);
        if (designed) designed(index);
    }
    return designs;
}

}  // namespace vexa

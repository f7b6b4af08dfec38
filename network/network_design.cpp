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
        design.flow = section.inflow;
        for (const std::size_t above : network_.topology.incoming(index)) design.flow += designs_[above].flow;
        const long long designFlow = std::max(design.flow, parameters_.flowMin);

        const long long fall = section.groundFrom - section.groundTo;
        const long long groundSlope = fall > 0 ? ceilDiv(10000 * fall, section.length) : 0;
        long long slopeFrom = std::max(groundSlope, parameters_.slopeMin);
        const long long slopeTo = parameters_.slopeMax;
        if (slopeFrom > slopeTo) slopeFrom = slopeTo;

        BatchSection& line = design.calculated;
        line = section.pipe;
        line.name = section.name;
        line.flow = formatScaledGeneral(designFlow, 3);
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

        std::vector<std::string> notes;
        if (design.flow < parameters_.flowMin) notes.push_back("obliczono dla Q = " + line.flow + " l/s");
        if (groundSlope > parameters_.slopeMax)
            notes.push_back("spadek terenu " + slopeText(groundSlope) + " ‰ > " + slopeText(parameters_.slopeMax) +
                            " ‰");
        if (design.levels) levelNotes(index, design, notes);
        for (const std::size_t above : network_.topology.incoming(index))
            if (!designs_[above].result.computed)
                notes.push_back("dopływ z odcinka " + network_.sections[above].name + " bez wyniku");
        for (std::size_t n = 0; n < notes.size(); ++n) design.notes += (n > 0 ? ", " : "") + notes[n];
    }

private:
    void setLevels(std::size_t index, SectionDesign& design) {
        const NetworkSection& section = network_.sections[index];
        const long long outer = std::llround(design.result.outerDiameter);
        design.innerDiameter = std::llround(design.result.innerDiameter);
        const long long crown = ceilDiv(outer + design.innerDiameter, 2);
        const long long slope = parseScaled(design.result.Bi(), 1).value();  // one decimal
        const long long fall = (slope * section.length + 5000) / 10000;

        // The highest upper invert that keeps the cover at both ends and
        // starts neither above an incoming invert nor, where the pipe grows,
        // with its crown above the incoming crown.
        long long invert = std::min(section.groundFrom - parameters_.cover - crown,
                                    section.groundTo - parameters_.cover - crown + fall);
        std::optional<long long> highestIncoming;
        for (const std::size_t above : network_.topology.incoming(index)) {
            const SectionDesign& upper = designs_[above];
            if (!upper.levels) continue;
            invert =
                std::min(invert, upper.levels->invertTo - std::max(0LL, design.innerDiameter - upper.innerDiameter));
            highestIncoming = std::max(highestIncoming.value_or(upper.levels->invertTo), upper.levels->invertTo);
        }
        SectionLevels& levels = design.levels.emplace();
        levels.invertFrom = invert;
        levels.invertTo = invert - fall;
        levels.coverFrom = section.groundFrom - levels.invertFrom - crown;
        levels.coverTo = section.groundTo - levels.invertTo - crown;
        levels.depthFrom = section.groundFrom - levels.invertFrom;
        levels.depthTo = section.groundTo - levels.invertTo;
        levels.drop = highestIncoming ? *highestIncoming - invert : 0;
        levels.crown = crown;
    }

    void levelNotes(std::size_t index, const SectionDesign& design, std::vector<std::string>& notes) const {
        const SectionLevels& levels = *design.levels;
        if (levels.drop > parameters_.dropMax)
            notes.push_back("studnia kaskadowa " + formatScaled(levels.drop, 3) + " m");
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

std::string slopeText(long long tenths) { return formatScaled(tenths, 1); }

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

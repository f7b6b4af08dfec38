#pragma once

// A whole network designed section by section, upstream first: every
// section's flow is its inflow plus what runs into its upper manhole, its
// slope range follows from the ground, its pipe is chosen by the design
// window's own calculation (a slope minimisation, as vexa-calc runs a line),
// and its invert levels chain from manhole to manhole under the cover, crown
// and drop rules. All levels are whole millimetres, all flows whole
// millilitres per second, slopes whole tenths of a per mille.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "batch/batch_calculator.h"
#include "network/network_file.h"
#include "network/rain.h"

namespace vexa {

struct NetworkParameters {
    long long cover = 1200;     // smallest cover above the outer crown [mm]
    long long slopeMin = 5;     // smallest slope [0,1 ‰]
    long long slopeMax = 1000;  // largest slope [0,1 ‰]
    long long flowMin = 1000;   // smallest design flow [ml/s]
    long long depthMax = 6000;  // invert depth beyond which a note is given [mm]
    long long dropMax = 500;    // drop beyond which a manhole is a drop manhole [mm]
    // At a manhole the pipes are joined on their crowns; with this, on their
    // water surfaces at the design flow too.
    bool joinWaterSurfaces = false;
    // The invert [mm] of the sewer each outlet named drains into.
    std::map<std::string, long long> receivingInverts;

    // The design rain of a network with catchments.
    extended annualPrecipitation = 600;  // H [mm]
    extended rainFrequency = 2;          // once in C years
    long long runoffTime = 300'000;      // on the surface before the first manhole [ms]
    long long shortestRain = 600'000;    // the shortest design duration [ms]
    long long retention = 120;           // the factor on the flow time in the pipes [hundredths]
    // The engineer's intensities instead of the formula, where given.
    std::shared_ptr<const RainTable> rainTable;
};

// The levels of a section with a result, in mm.
struct SectionLevels {
    long long invertFrom = 0;  // DnoOd
    long long invertTo = 0;    // DnoDo
    long long coverFrom = 0;
    long long coverTo = 0;
    long long depthFrom = 0;
    long long depthTo = 0;
    long long drop = 0;   // at the upper manhole
    long long crown = 0;  // of the outer crown above the invert: the inside diameter and one wall
    long long water = 0;  // the water's depth at the design filling
};

// The rain a section of a rain network carries. Without a catchment above
// it, only the area (0) and the rain part (0) are given.
struct SectionRain {
    long long reducedArea = 0;          // ΣFzr of the whole catchment above the section's end [0,01 m²]
    std::optional<long long> flowTime;  // tp: of the water through the section [ms]
    std::optional<long long> duration;  // td: of the design rain [ms]
    std::optional<extended> intensity;  // q(td) [l/(s·ha)]
    std::optional<long long> flow = 0;  // Qr [ml/s]; nothing where the duration lies beyond the table
    long long endTime = 0;              // of the flow from the farthest catchment to the section's end [ms]
};

struct SectionDesign {
    long long flow = 0;          // Q [ml/s]: the sanitary flow and the rain's, before the minimum
    long long sanitaryFlow = 0;  // the inflow and every incoming section's sanitary flow [ml/s]
    SectionRain rain;
    BatchSection calculated;      // the line the window computed
    BatchResult result;           // its fields, or the message instead
    long long innerDiameter = 0;  // Dw [mm], with a result
    std::optional<SectionLevels> levels;
    std::string notes;  // Uwagi
    // Its upper manhole drops more than a plain manhole may, and so does the
    // outlet it ends in into the sewer below: drop manholes.
    bool dropManhole = false;
    bool outletDropManhole = false;
    // The invert of the sewer its outlet drains into, where it ends in one given [mm].
    std::optional<long long> receivingInvert;
    // The calculation failed in a way it never should: the message says how.
    bool programFault = false;
};

// The first name among `receivingInverts` that is no outlet of the network.
std::optional<std::string> notAnOutlet(const Network& network, const NetworkParameters& parameters);

// The text of a slope in tenths of a per mille ("0,5", "100,0").
std::string slopeText(long long tenths);
// The text of a time in milliseconds as minutes with two decimals, half up ("22,26").
std::string minutesText(long long milliseconds);

// Designs the sections in the order the water needs and returns them in the
// file's order. A section left out (NetworkSection::fault) gets no result:
// its message is its fault. `designed` (if any) is told each section's position in the
// file as soon as it is designed.
std::vector<SectionDesign> designNetwork(const Network& network, const NetworkParameters& parameters,
                                         SectionCalculator& calculator,
                                         const std::function<void(std::size_t)>& designed = {});

}  // namespace vexa

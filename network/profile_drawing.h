#pragma once

// The longitudinal profile of one path of a designed network, drawn as
// engineers hand it in: the ground, the pipes' invert and outer crown, the
// manholes from the ground down to their lowest invert with their names, the
// reference level, and under the drawing the table of levels, depths,
// distances, lengths, slopes and pipes. A3 landscape sheets; a profile too
// long or too tall for one sheet goes on to the next, with its table and
// its own reference level.

#include "drawing/drawing.h"
#include "network/network_design.h"
#include "network/network_file.h"
#include "network/profile_paths.h"

namespace vexa {

struct ProfileScales {
    long long horizontal = 1000;  // 1:1000
    long long vertical = 100;     // 1:100
};

// `designs` in the file's order, as designNetwork gives them.
Drawing profileDrawing(const Network& network, const std::vector<SectionDesign>& designs, const ProfilePath& path,
                       ProfileScales scales = {});

// Where a profile draws one of its sections: on which sheet (from 0), and
// the x of its upper and lower manholes there, drawing mm.
struct SectionPlacement {
    std::size_t section = 0;  // position in the file's order
    std::size_t sheet = 0;
    double fromX = 0;
    double toX = 0;
    bool operator==(const SectionPlacement&) const = default;
};

// The profile as profileDrawing draws it, and where each of its sections
// lies, in the path's order: a screen can point at one.
struct PlacedProfile {
    Drawing drawing;
    std::vector<SectionPlacement> sections;
};
PlacedProfile placedProfile(const Network& network, const std::vector<SectionDesign>& designs, const ProfilePath& path,
                            ProfileScales scales = {});

// Every profile of a designed network, in the order of profilePaths.
std::vector<Drawing> networkProfiles(const Network& network, const std::vector<SectionDesign>& designs,
                                     ProfileScales scales = {});

// Where a profile's sheet puts things, in drawing mm: tests and renderers
// read them here rather than repeat them.
namespace profile_sheet {
inline constexpr double kMargin = 10;             // the frame, all round
inline constexpr double kTitleLine = 277;         // the title band above it
inline constexpr double kHeaderRight = 60;        // the table's column of row titles ends here
inline constexpr double kFirstManhole = 70;       // x of a sheet's first manhole
inline constexpr double kLastManholeLimit = 400;  // no manhole further right, but one alone
inline constexpr double kNameBand = 15;           // above the ground, for the manholes' names
}  // namespace profile_sheet

}  // namespace vexa

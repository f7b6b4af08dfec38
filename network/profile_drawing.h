#pragma once

// The longitudinal profiles of a designed network, drawn as engineers hand
// them in: the ground, the pipes' invert and outer crown, the manholes from
// the ground down to their lowest invert with their names, the reference
// level, and under the drawing the table of manholes, levels, depths,
// chainage, sections, lengths, slopes, pipes and flows. A3 landscape sheets
// with a binding margin, the project's title block in the lower right corner
// and the legend of the lines beside it. A profile too long for a sheet goes
// on to the next with its table; one too tall steps its reference level at a
// manhole; short profiles share a sheet, side by side and one above the
// other, each with its table; every profile keeps one pair of scales.

#include "drawing/drawing.h"
#include "network/network_design.h"
#include "network/network_file.h"
#include "network/profile_paths.h"
#include "network/project_data.h"

namespace vexa {

struct ProfileScales {
    long long horizontal = 1000;  // 1:1000
    long long vertical = 100;     // 1:100
    // Of the levels, depths and distances in the table: 2 or 3 (millimetres).
    int levelDecimals = 2;
};

// Where a profile draws one of its sections: on which sheet (from 0), the x
// of its upper and lower manholes there, and the foot of its table and the
// top of its band, drawing mm.
struct SectionPlacement {
    std::size_t section = 0;  // position in the file's order
    std::size_t sheet = 0;
    double fromX = 0;
    double toX = 0;
    double bottom = 0;
    double top = 0;
    bool operator==(const SectionPlacement&) const = default;
};

// The profile of one path on sheets of its own, numbered through them, and
// where each of its sections lies, in the path's order: a screen can point
// at one. `designs` in the file's order, as designNetwork gives them.
struct PlacedProfile {
    Drawing drawing;
    std::vector<SectionPlacement> sections;
};
PlacedProfile placedProfile(const Network& network, const std::vector<SectionDesign>& designs, const ProfilePath& path,
                            ProfileScales scales = {}, const ProjectData& project = {});

// Every profile of a designed network, in the order of profilePaths, on
// sheets they share, numbered through the set: a drawing per sheet, titled
// by the profiles it holds.
std::vector<Drawing> networkProfiles(const Network& network, const std::vector<SectionDesign>& designs,
                                     ProfileScales scales = {}, const ProjectData& project = {});

// Where a profile's sheet puts things, in drawing mm: tests and renderers
// read them here rather than repeat them.
namespace profile_sheet {
inline constexpr double kSheetWidth = 420;  // A3 landscape
inline constexpr double kSheetHeight = 297;
inline constexpr double kMargin = 10;     // the frame, but on the left
inline constexpr double kFrameLeft = 20;  // room to bind the sheets
inline constexpr double kFrameRight = kSheetWidth - kMargin;
inline constexpr double kFrameTop = kSheetHeight - kMargin;
inline constexpr double kTitleBlockWidth = 210;  // in the lower right corner
inline constexpr double kTitleBlockHeight = 21;
inline constexpr double kTitleBlockLeft = kFrameRight - kTitleBlockWidth;
inline constexpr double kTableFoot = kMargin + kTitleBlockHeight;  // of the lowest table: on the block and the legend
inline constexpr double kHeaderRight = kFrameLeft + 42;            // the tables' column of row titles ends here
inline constexpr double kTableHeight = 74;                         // under each profile
inline constexpr double kLead = 8;                                 // from a profile's left edge to its first manhole
inline constexpr double kTrail = 8;                                // from its last manhole to its right edge
inline constexpr double kNameBand = 8;                             // above the ground, for the manholes' names
inline constexpr double kProfileTitleBand = 4;                     // above the names, for the profile's title
}  // namespace profile_sheet

}  // namespace vexa

#pragma once

// The longitudinal profile of one path of a designed network, drawn as
// engineers hand it in: the ground, the pipes' invert and outer crown, the
// manholes from the ground down to their lowest invert with their names, the
// reference level, and under the drawing the table of levels, depths,
// distances, lengths, slopes and pipes. A3 landscape sheets; a profile too
// long or too tall for one sheet goes on to the next, with its table and
// its own reference level, at the profile's one pair of scales. Every sheet has a binding margin on the left and
// the project's title block in its lower right corner.

#include "drawing/drawing.h"
#include "network/network_design.h"
#include "network/network_file.h"
#include "network/profile_paths.h"
#include "network/project_data.h"

namespace vexa {

struct ProfileScales {
    long long horizontal = 1000;  // 1:1000
    long long vertical = 100;     // 1:100
};

// How a profile's sheets are numbered in its title block: from `first` + 1
// of `total`, so that a set of profiles is numbered through; a total of 0
// numbers the profile alone.
struct SheetNumbering {
    std::size_t first = 0;
    std::size_t total = 0;
};

// `designs` in the file's order, as designNetwork gives them.
Drawing profileDrawing(const Network& network, const std::vector<SectionDesign>& designs, const ProfilePath& path,
                       ProfileScales scales = {}, const ProjectData& project = {}, SheetNumbering numbering = {});

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
                            ProfileScales scales = {}, const ProjectData& project = {}, SheetNumbering numbering = {});

// Every profile of a designed network, in the order of profilePaths, their
// sheets numbered through the set.
std::vector<Drawing> networkProfiles(const Network& network, const std::vector<SectionDesign>& designs,
                                     ProfileScales scales = {}, const ProjectData& project = {});

// Where a profile's sheet puts things, in drawing mm: tests and renderers
// read them here rather than repeat them.
namespace profile_sheet {
inline constexpr double kSheetWidth = 420;  // A3 landscape
inline constexpr double kSheetHeight = 297;
inline constexpr double kMargin = 10;                       // the frame, but on the left
inline constexpr double kFrameLeft = 20;                    // room to bind the sheets
inline constexpr double kTitleLine = 277;                   // the title band above it
inline constexpr double kHeaderRight = kFrameLeft + 50;     // the table's column of row titles ends here
inline constexpr double kFirstManhole = kHeaderRight + 10;  // x of a sheet's first manhole
inline constexpr double kTableHeight = 110;                 // under the drawing, from the frame's foot
inline constexpr double kTitleBlockWidth = 120;             // in the lower right corner, as high as the table
inline constexpr double kTableRight = kSheetWidth - kMargin - kTitleBlockWidth;  // where the title block starts
inline constexpr double kLastManholeLimit = kTableRight - 10;  // no manhole further right, but one alone
inline constexpr double kNameBand = 15;                        // above the ground, for the manholes' names
}  // namespace profile_sheet

}  // namespace vexa

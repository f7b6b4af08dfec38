#pragma once

// The longitudinal profiles of a designed network: which sections each
// profile draws. Every outlet's main collector runs upstream from the
// outlet, taking at each manhole the incoming section with the largest flow;
// the sections left over are drawn as branches, each from a manhole already
// drawn upstream by the same rule. Every section lies on exactly one profile,
// but for a section left out of the design, which lies on none.

#include <cstddef>
#include <vector>

#include "network/network_design.h"
#include "network/network_file.h"

namespace vexa {

struct ProfilePath {
    bool mainCollector = false;  // else a branch, ending where it joins
    // Positions in the file's order, from the head upstream to the last
    // section downstream; the profile runs from the first section's upper
    // manhole to the last one's lower manhole.
    std::vector<std::size_t> sections;
};

// The main collectors in the file's order of their last sections, then the
// branches in the order they start: at each step the first section in the
// file that is not drawn yet and ends in a manhole already drawn. Ties of
// flow go to the section first in the file. `designs` in the file's order.
std::vector<ProfilePath> profilePaths(const Network& network, const std::vector<SectionDesign>& designs);

}  // namespace vexa

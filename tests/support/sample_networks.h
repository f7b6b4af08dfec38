#pragma once

// Large sanitary networks of 300 sections drawn from a fixed seed, as the
// lines of their files: big enough to fill many profile sheets, and the same
// on every platform and compiler (their own generator, no <random>
// distribution). Sections are named K001 .., manholes S000 .. (the outlet),
// so that no section shares a name with a manhole. Lengths 20 - 60 m, the
// ground falling 5 - 12 ‰ towards the outlet with bumps of -0,15 .. +0,25 m
// at each manhole, sanitary inflows of 0,05 - 0,4 l/s; on the bundled
// catalogue with the default parameters every section gets a pipe, at most
// 2,1 m deep.

#include <string>
#include <vector>

namespace vexa::testing_support {

enum class SampleNetwork {
    Bushy,     // a random tree of many short branches, up to three joining at a manhole
    Branches,  // a main line of 60 sections, joined by branches of 1 - 8 sections and by branches of those
    Long,      // Branches with its 30th main section 500 m long
};

// The head line, then one line per section.
std::vector<std::string> sampleNetworkLines(SampleNetwork network);

}  // namespace vexa::testing_support

#pragma once

// A sewer network as its file gives it: one section per line between two
// manholes, with the ground at both ends, the inflow at the upper one and
// the pipe choices of a vexa-calc line. Levels and lengths are whole
// millimetres and inflows whole millilitres per second, so that everything
// computed from them is exact and the same on every machine.

#include <stdexcept>
#include <string>
#include <vector>

#include "network/batch_section.h"

namespace vexa {

// Levels, lengths and inflows stay below this many units (10^9 m, 10^9 l/s):
// no sewer's are larger, and every sum and product of a design stays well
// inside 64 bits.
inline constexpr long long kLargestNetworkValue = 1'000'000'000'000LL;

inline constexpr const char* kNetworkHeadLine =
    "Odcinek;Od;Do;Dlugosc;TerenOd;TerenDo;Doplyw;Typ;Srednica;SDR;Scieki;Opory;KryteriumDoboru;HdMax";

struct NetworkSection {
    int line = 0;  // in the file, the head line being 1
    std::string name;
    std::string from;          // upstream manhole
    std::string to;            // downstream manhole
    long long length = 0;      // mm, above zero
    long long groundFrom = 0;  // mm
    long long groundTo = 0;    // mm
    long long inflow = 0;      // ml/s entering at the upstream manhole, not negative
    // Typ, Srednica, SDR, Scieki, Opory, KryteriumDoboru and HdMax; the flow
    // and slope fields are left to the design.
    BatchSection pipe;
};

struct Network {
    std::vector<NetworkSection> sections;  // in the file's order
};

// Why a network file cannot be designed, naming its line or lines.
class NetworkError : public std::runtime_error {
public:
    // "Wiersz 3: <problem>", "Wiersze 2 i 5: <problem>".
    NetworkError(std::vector<int> lines, const std::string& problem, int field = -1);

    // The lines of the file the message names, in order, and the field at
    // fault in them (0 for Odcinek, ...), or -1 where the lines as a whole
    // are; the problem without the lines.
    const std::vector<int>& lines() const { return lines_; }
    int field() const { return field_; }
    const std::string& problem() const { return problem_; }

private:
    std::vector<int> lines_;
    int field_;
    std::string problem_;
};

// Reads and checks the lines of a network file (UTF-8, without line ends;
// line n of the file at position n - 1, empty lines skipped). A network is a
// forest: every manhole is the upstream end of at most one section, and no
// water runs in a circle. Throws NetworkError for the first fault.
Network readNetwork(const std::vector<std::string>& lines);

}  // namespace vexa

#pragma once

// A sewer network as its file gives it: one section per line between two
// manholes, with the ground at both ends, the inflow at the upper one and
// the pipe choices of a vexa-calc line. Levels and lengths are whole
// millimetres and inflows whole millilitres per second, so that everything
// computed from them is exact and the same on every machine.

#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_section.h"
#include "network/network_columns.h"
#include "network/topology.h"
#include "toolkit/delimited_fields.h"

namespace vexa {

// Levels, lengths and inflows stay below this many units (10^9 m, 10^9 l/s):
// no sewer's are larger, and every sum and product of a design stays well
// inside 64 bits.
inline constexpr long long kLargestNetworkValue = 1'000'000'000'000LL;

struct NetworkSection {
    int line = 0;  // in the file, the head line being 1
    std::string name;
    std::string from;          // upstream manhole
    std::string to;            // downstream manhole
    long long length = 0;      // mm, above zero
    long long groundFrom = 0;  // mm
    long long groundTo = 0;    // mm
    long long inflow = 0;      // ml/s entering at the upstream manhole, not negative
    // The catchment draining into the upstream manhole: its area [m²] and
    // runoff coefficient [hundredths]; their product is exact.
    long long catchmentArea = 0;
    long long runoffCoefficient = 0;
    long long reducedArea() const { return catchmentArea * runoffCoefficient; }  // [0,01 m²]
    // Typ, Srednica, SDR, Scieki, Opory, KryteriumDoboru and HdMax; the flow
    // and slope fields are left to the design.
    BatchSection pipe;

    // A section read leniently from a line with a fault is left out of the
    // design: `fault` is the first fault's message. It keeps its name and
    // its downstream manhole, so that the sections below it are designed as
    // below a section without a result; of its own it carries the inflow
    // where that could be read, and no rain.
    std::string fault;
    // Its upstream manhole takes no part in the network: it cannot be read,
    // or joined it would keep a fault alive (a manhole left twice, a circle).
    bool detached = false;
    bool leftOut() const { return !fault.empty(); }
};

struct Network {
    std::vector<NetworkSection> sections;  // in the file's order
    NetworkTopology topology;              // of the sections, as readNetwork checked it

    // Whether rain falls on it: some section has a reduced area.
    bool rain() const;
};

// Why a network file cannot be designed, naming its line or lines.
class NetworkError : public std::runtime_error {
public:
    // "Wiersz 3: <problem>", "Wiersze 2 i 5: <problem>". A problem of one
    // field that names it ("pole Dlugosc \"7O\" nie jest liczbą") gives the
    // field and, as `detail`, the problem without its name.
    NetworkError(std::vector<int> lines, const std::string& problem, int field = -1, std::string detail = {});

    // The lines of the file the message names, in order, and the field at
    // fault in them (0 for Odcinek, ...), or -1 where the lines as a whole
    // are; the problem without the lines.
    const std::vector<int>& lines() const { return lines_; }
    int field() const { return field_; }
    const std::string& problem() const { return problem_; }
    // The problem without the field's name, or empty where it names none.
    const std::string& detail() const { return detail_; }

private:
    std::vector<int> lines_;
    int field_;
    std::string problem_;
    std::string detail_;
};

// A network file as written: its records after the head line and its form.
struct NetworkText {
    std::vector<delimited::Record> records;
    bool codePage1250 = false;
    bool crLf = false;
    bool byteOrderMark = false;
    // The fields of its head line: with the catchment's columns or without.
    int columns = kInputColumnCount;
};

// The text of a file Vexa reads beside a network (the network itself, a
// rain table): UTF-8 after a byte-order mark or without one where the bytes
// are valid UTF-8, else code page 1250; in UTF-8.
struct DecodedFileText {
    std::string text;
    bool codePage1250 = false;
    bool byteOrderMark = false;
};
DecodedFileText decodedFileText(std::string_view bytes);

// Reads the bytes of a network file, as every program of Vexa reads them:
// UTF-8 (after a byte-order mark or without one) where the bytes are valid
// UTF-8, else code page 1250; lines ended by LF or CR LF; a quoted field read
// whole, over line ends too. The head line may end at HdMax, as files did
// before catchments. Throws NetworkError where the head line is not the
// network's or a quote is never closed.
NetworkText readNetworkText(std::string_view bytes);

// A network read as far as it can be, and every fault found in it: the
// faults of single lines in the order of the lines (of one line, in the
// order its fields are read), then the sums, the names and manholes left
// twice, the ground levels and the circles.
struct NetworkWithFaults {
    Network network;
    std::vector<NetworkError> faults;
};

// Checks the records of a network file (fields in UTF-8). A network is a
// forest: every manhole is the upstream end of at most one section, and no
// water runs in a circle. A line has at most `columns` fields, those of the
// head line.
//
// Every line a fault names is left out (NetworkSection::fault); a line
// without a name or a downstream manhole is no section at all. Of a
// manhole left twice and of a circle, every section named keeps its
// downstream manhole only, so that what is left is a network; sections of
// the same name and of different ground levels at one manhole are left out
// where they stand.
class NetworkLineStore;
NetworkWithFaults readNetworkLeniently(const std::vector<delimited::Record>& records, int columns = kInputColumnCount,
                                       NetworkLineStore* store = nullptr);

// The lines of a network already read, kept by their place and fields: a
// network edited in a window is read anew after every edit, and most of its
// lines are those it read before. Lines no longer read are forgotten.
class NetworkLineStore {
public:
    NetworkLineStore();
    ~NetworkLineStore();
    NetworkLineStore(const NetworkLineStore&) = delete;
    NetworkLineStore& operator=(const NetworkLineStore&) = delete;

private:
    friend NetworkWithFaults readNetworkLeniently(const std::vector<delimited::Record>&, int, NetworkLineStore*);
    struct Lines;
    std::unique_ptr<Lines> lines_;
};

// The same, refused with the first fault: throws NetworkError.
Network readNetwork(const std::vector<delimited::Record>& records, int columns = kInputColumnCount);

// The same for the lines of a file, the head line among them (line n of the
// file at position n - 1).
Network readNetwork(const std::vector<std::string>& lines);

}  // namespace vexa

#pragma once

// vexa-calc --siec: a whole network from its file to the results table, on
// streams so that a run can be tested whole.

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

#include "cli/batch_run.h"
#include "network/network_design.h"
#include "network/profile_drawing.h"

namespace vexa {

struct NetworkRunOptions {
    BatchOptions batch;  // the catalogue, --cp1250, --stan, --limit-czasu and the output back ends
    NetworkParameters parameters;
    std::optional<std::string> workbookFile;    // --wyniki-xlsx, UTF-8
    std::optional<std::string> profileFile;     // --profile: the profiles as a PDF file, UTF-8
    std::optional<std::string> profileDxfFile;  // --profile-dxf: the same as a DXF drawing
    std::optional<std::string> rainTableFile;   // --deszcz-tabela: the engineer's rain intensities
    std::optional<std::string> swmmFile;        // --swmm: the designed network as a SWMM model
    ProfileScales scales;                       // --skala-pozioma, --skala-pionowa
    ProjectData project;                        // --projekt-..., --uklad-wysokosci: the title blocks
};

// Designs the network read from `input`, writes the files asked for (all or
// none), then its results table on `output`. A network that cannot be
// designed, or files that cannot be written, are reported on `errors` with
// the table not written: kBatchFileProblem. A program fault in a section
// gives it "!" and is reported too: kBatchMalformedLine.
int runNetwork(const NetworkRunOptions& options, std::istream& input, std::ostream& output, std::ostream& errors);

}  // namespace vexa

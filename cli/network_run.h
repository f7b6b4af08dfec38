#pragma once

// vexa-calc --siec: a whole network from its file to the results table, on
// streams so that a run can be tested whole.

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "cli/batch_run.h"
#include "network/network_design.h"
#include "network/profile_drawing.h"

namespace vexa {

struct NetworkRunOptions {
    BatchOptions batch;  // the catalogue, --cp1250, --stan and --limit-czasu
    NetworkParameters parameters;
    std::optional<std::string> workbookFile;    // --wyniki-xlsx, UTF-8
    std::optional<std::string> profileFile;     // --profile: the profiles as a PDF file, UTF-8
    std::optional<std::string> profileDxfFile;  // --profile-dxf: the same as a DXF drawing
    ProfileScales scales;                       // --skala-pozioma, --skala-pionowa
    // The A3 printer of the profiles' PDF file; none where vexa-calc cannot
    // print to PDF.
    std::function<std::unique_ptr<Printer>(const std::string& pdfFile)> profilePrinter;
};

// Designs the network read from `input`, writes the files asked for, then
// its results table on `output`. A network that cannot be designed, or a
// file that cannot be written, is reported on `errors` with the table not
// written: kBatchFileProblem. A program fault in a section gives it "!" and
// is reported too: kBatchMalformedLine.
int runNetwork(const NetworkRunOptions& options, std::istream& input, std::ostream& output, std::ostream& errors);

}  // namespace vexa

#pragma once

// vexa-calc --siec: a whole network from its file to the results table, on
// streams so that a run can be tested whole.

#include <iosfwd>
#include <optional>
#include <string>

#include "cli/batch_run.h"
#include "network/network_design.h"

namespace vexa {

struct NetworkRunOptions {
    BatchOptions batch;  // the catalogue, --cp1250, --stan and --limit-czasu
    NetworkParameters parameters;
    std::optional<std::string> workbookFile;  // --wyniki-xlsx, UTF-8
};

// Designs the network read from `input` and writes its results table on
// `output`. A network that cannot be designed is refused on `errors` with
// nothing written: kBatchFileProblem.
int runNetwork(const NetworkRunOptions& options, std::istream& input, std::ostream& output, std::ostream& errors);

}  // namespace vexa

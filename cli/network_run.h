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
};

inline constexpr const char* kNetworkResultsHead =
    "Odcinek;Od;Do;Dlugosc;Q;Bd;Bnrkat;Bkl;Bk;Bi;Bh;Br;Bv;Bws;Bwp;DnoOd;DnoDo;PrzykrycieOd;PrzykrycieDo;"
    "GlebokoscOd;GlebokoscDo;Kaskada;Uwagi";

// Designs the network read from `input` and writes its results table on
// `output`. A network that cannot be designed is refused on `errors` with
// nothing written: kBatchFileProblem.
int runNetwork(const NetworkRunOptions& options, std::istream& input, std::ostream& output, std::ostream& errors);

// The results line of a designed section, fields as they go into the table.
std::vector<std::string> networkResultFields(const NetworkSection& section, const SectionDesign& design);

}  // namespace vexa

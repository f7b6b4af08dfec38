#pragma once

// vexa-calc's command line. Every option is declared once, in one table:
// its name and value, the modes that take it, what it sets and what --help
// says of it. The mode checks and --help come from that table, and the
// manual page's check reads --help.

#include <iosfwd>
#include <optional>
#include <string>

#include "cli/batch_run.h"
#include "cli/network_run.h"

namespace vexa {

enum class CalcMode { Batch, Network, CatalogueCheck, Help, Version };

struct CommandLine {
    CalcMode mode = CalcMode::Batch;
    NetworkRunOptions network;  // its batch options are the batch's too
    std::optional<std::string> networkFile;
    std::string inputFile;  // of a batch; empty: standard input
};

// Reads the arguments. A refusal is said on `errors` (and, for an option
// unknown or without its value, followed by the usage) and gives the exit
// status; nothing when the line can be run.
std::optional<int> readCommandLine(int argc, char** argv, CommandLine& line, std::ostream& errors);

// What --help prints.
std::string usageText();

}  // namespace vexa

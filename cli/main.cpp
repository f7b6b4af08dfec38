// vexa-calc: the design calculation of the design window for batches of
// sections and whole networks, without a display.

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#include <fstream>
#include <iostream>

#include "cli/batch_run.h"
#include "cli/catalogue_check_run.h"
#include "cli/command_line.h"
#include "cli/network_run.h"
#include "cli/output_module.h"
#include "toolkit/extended.h"
#include "toolkit/version.h"

namespace {

// The file a batch or a network is read from; a message and nothing when it
// cannot be opened.
bool openInput(const vexa::BatchOptions& options, const std::string& file, std::ifstream& input) {
    input.open(file, std::ios::binary);
    if (input) return true;
    std::cerr << vexa::outputText(options, "vexa-calc: nie można odczytać zbioru \"" + file + "\"") << '\n';
    return false;
}

int calculate(int& argc, char** argv) {
    vexa::CommandLine line;
    if (const auto refused = vexa::readCommandLine(argc, argv, line, std::cerr)) return *refused;
    vexa::BatchOptions& options = line.network.batch;
    vexa::OutputModule outputs(argc, argv, std::cerr);
    options.outputBackEnds = [&outputs]() -> vexa::OutputBackEnds& { return outputs.backEnds(); };
    std::ifstream input;
    switch (line.mode) {
        case vexa::CalcMode::Help:
            std::cout << vexa::usageText();
            return 0;
        case vexa::CalcMode::Version:
            std::cout << "vexa-calc " VEXA_VERSION "\n";
            return 0;
        case vexa::CalcMode::CatalogueCheck:
            return vexa::checkCatalogue(options, std::cout, std::cerr);
        case vexa::CalcMode::Network:
            if (!openInput(options, *line.networkFile, input)) return vexa::kBatchFileProblem;
            return vexa::runNetwork(line.network, input, std::cout, std::cerr);
        case vexa::CalcMode::Batch:
            break;
    }
    if (line.inputFile.empty()) return vexa::runBatch(options, std::cin, std::cout, std::cerr);
    if (!openInput(options, line.inputFile, input)) return vexa::kBatchFileProblem;
    return vexa::runBatch(options, input, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The output's line ends are vexa-calc's own (LF, or CR LF with
    // --cp1250): no translation by the C runtime.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    if (!vexa::extendedArithmeticHas64Bits()) {
        std::cerr << "vexa-calc: " << vexa::kExtendedArithmeticMissing << '\n';
        return vexa::kBatchFileProblem;
    }
    try {
        return calculate(argc, argv);
    } catch (const std::exception& fault) {
        std::cerr << "vexa-calc: nieoczekiwany błąd programu: " << fault.what() << '\n';
        return vexa::kBatchFileProblem;
    }
}

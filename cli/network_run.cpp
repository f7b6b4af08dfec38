#include "cli/network_run.h"

#include <istream>
#include <iterator>
#include <ostream>
#include <vector>

#include "network/exports.h"
#include "network/network_table.h"
#include "toolkit/delimited_fields.h"
#include "toolkit/errors.h"
#include "toolkit/text_file.h"

namespace vexa {

int runNetwork(const NetworkRunOptions& options, std::istream& input, std::ostream& output, std::ostream& errors) {
    const auto report = [&](const std::string& problem) {
        errors << outputText(options.batch, "vexa-calc: " + problem) << '\n';
    };
    Network network;
    try {
        const std::string bytes{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
        const NetworkText text = readNetworkText(bytes);
        network = readNetwork(text.records, text.columns);
    } catch (const NetworkError& problem) {
        report(problem.what());
        return kBatchFileProblem;
    }
    if (const auto stray = notAnOutlet(network, options.parameters)) {
        report("--dno-wylotu: studnia \"" + *stray + "\" nie jest wylotem sieci");
        return kBatchFileProblem;
    }
    NetworkParameters parameters = options.parameters;
    if (options.rainTableFile) {
        // Checked whenever it is given, whether or not rain falls on the network.
        try {
            parameters.rainTable =
                std::make_shared<const RainTable>(readRainTable(text_file::readBytes(*options.rainTableFile)));
        } catch (const RainTableError& problem) {
            report("tabela deszczu \"" + *options.rainTableFile + "\": " + problem.what());
            return kBatchFileProblem;
        } catch (const std::runtime_error&) {
            report("nie można odczytać zbioru \"" + *options.rainTableFile + "\"");
            return kBatchFileProblem;
        }
    }
    const std::unique_ptr<Catalogue> catalogue = loadCatalogue(options.batch, errors);
    if (!catalogue) return kBatchFileProblem;

    std::vector<ExportRequest> requests;
    if (options.workbookFile) requests.push_back({NetworkExport::Workbook, *options.workbookFile});
    if (options.profileFile) requests.push_back({NetworkExport::ProfilesPdf, *options.profileFile});
    if (options.profileDxfFile) requests.push_back({NetworkExport::ProfilesDxf, *options.profileDxfFile});
    if (options.swmmFile) requests.push_back({NetworkExport::SwmmModel, *options.swmmFile});
    NoOutputBackEnds none;
    OutputBackEnds& backEnds =
        requests.empty() || !options.batch.outputBackEnds ? none : options.batch.outputBackEnds();
    std::vector<SectionDesign> designs;
    const NetworkExports exports(network, designs, backEnds, options.scales, options.project);
    // What cannot be written at all is said before anything is designed.
    if (const std::string refusal = exports.refusal(requests); !refusal.empty()) {
        report(refusal);
        return kBatchFileProblem;
    }

    BatchCalculator calculator(*catalogue, false, options.batch.timeLimitSeconds);
    designs = designNetwork(network, parameters, calculator);

    // The files first: a run that cannot write them all writes none, and no table.
    try {
        exports.write(requests);
    } catch (const FileError& problem) {
        report(problem.inPolish());
        return kBatchFileProblem;
    } catch (const std::runtime_error& problem) {  // PrintError
        report(problem.what());
        return kBatchFileProblem;
    }

    const char* lineEnd = options.batch.cp1250 ? "\r\n" : "\n";
    const bool rain = network.rain();
    std::string head = networkResultsHead(rain);
    if (options.batch.withState) head += kStateColumns;
    output << outputText(options.batch, head) << lineEnd;
    int status = kBatchOk;
    for (std::size_t n = 0; n < designs.size(); ++n) {
        std::vector<std::string> fields = networkResultFields(network.sections[n], designs[n], rain);
        if (options.batch.withState) appendState(fields, designs[n].result.state);
        output << outputText(options.batch, delimited::joined(fields)) << lineEnd;
        if (designs[n].programFault) {
            report("wiersz " + std::to_string(network.sections[n].line) + ": " + designs[n].result.message);
            status = kBatchMalformedLine;
        }
    }
    return status;
}

}  // namespace vexa

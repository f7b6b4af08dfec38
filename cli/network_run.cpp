#include "cli/network_run.h"

#include <istream>
#include <memory>
#include <ostream>

#include "network/drawing_pages.h"
#include "network/dxf_drawing.h"
#include "network/network_table.h"
#include "toolkit/cp1250.h"
#include "toolkit/delimited_fields.h"
#include "toolkit/errors.h"
#include "toolkit/numbers.h"
#include "toolkit/text.h"

namespace vexa {
namespace {

// The file's lines in UTF-8; a line the encoding cannot read refuses the file.
std::vector<std::string> networkLines(const NetworkRunOptions& options, std::istream& input) {
    std::vector<std::string> lines;
    std::string raw;
    while (std::getline(input, raw)) {
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        try {
            std::string line = options.batch.cp1250 ? cp1250::decode(raw) : raw;
            text::toUtf32(line);  // the whole line must be valid UTF-8
            lines.push_back(std::move(line));
        } catch (const EncodingError& problem) {
            throw NetworkError({static_cast<int>(lines.size()) + 1}, problem.what());
        }
    }
    return lines;
}

}  // namespace

int runNetwork(const NetworkRunOptions& options, std::istream& input, std::ostream& output, std::ostream& errors) {
    Network network;
    try {
        network = readNetwork(networkLines(options, input));
    } catch (const NetworkError& problem) {
        errors << outputText(options.batch, std::string("vexa-calc: ") + problem.what()) << '\n';
        return kBatchFileProblem;
    }
    const std::unique_ptr<Catalogue> catalogue = loadCatalogue(options.batch, errors);
    if (!catalogue) return kBatchFileProblem;

    BatchCalculator calculator(*catalogue, false, options.batch.timeLimitSeconds);
    const std::vector<SectionDesign> designs = designNetwork(network, options.parameters, calculator);

    // The files first: a run that cannot write them writes no table.
    const auto writeFile = [&](const std::optional<std::string>& file,
                               const std::function<void(const std::string&)>& write) {
        if (!file) return true;
        try {
            write(*file);
            return true;
        } catch (const std::runtime_error& problem) {  // FileError, PrintError
            errors << outputText(options.batch, std::string("vexa-calc: ") + problem.what()) << '\n';
            return false;
        }
    };
    const auto workbook = [&](const std::string& file) {
        std::vector<std::vector<std::string>> rows;
        for (std::size_t n = 0; n < designs.size(); ++n)
            rows.push_back(networkResultFields(network.sections[n], designs[n]));
#ifdef VEXA_WORKBOOKS
        writeWorkbook(file, "Sieć", networkWorkbookColumns(), rows);
#else
        throw std::runtime_error("skoroszyty Excel są niedostępne w tej wersji programu: \"" + file + "\"");
#endif
    };
    if (!writeFile(options.workbookFile, workbook)) return kBatchFileProblem;

    std::vector<Drawing> profiles;
    if (options.profileFile || options.profileDxfFile) {
        if (network.sections.empty()) {
            errors << outputText(options.batch, "vexa-calc: sieć nie ma odcinków, więc nie ma profili do narysowania")
                   << '\n';
            return kBatchFileProblem;
        }
        profiles = networkProfiles(network, designs, options.scales);
    }
    const auto pdf = [&](const std::string& file) {
        if (!options.profilePrinter)
            throw std::runtime_error("wydruki do zbiorów PDF są niedostępne w tej wersji programu: \"" + file + "\"");
        const std::unique_ptr<Printer> printer = options.profilePrinter(file);
        printDrawings(profiles, *printer);
    };
    if (!writeFile(options.profileFile, pdf)) return kBatchFileProblem;
    const auto dxf = [&](const std::string& file) {
#ifdef VEXA_DXF
        writeDxf(file, profiles, static_cast<double>(options.scales.horizontal) / 1000);
#else
        throw std::runtime_error("rysunki DXF są niedostępne w tej wersji programu: \"" + file + "\"");
#endif
    };
    if (!writeFile(options.profileDxfFile, dxf)) return kBatchFileProblem;

    const char* lineEnd = options.batch.cp1250 ? "\r\n" : "\n";
    std::string head = networkResultsHead();
    if (options.batch.withState) head += kStateColumns;
    output << outputText(options.batch, head) << lineEnd;
    int status = kBatchOk;
    for (std::size_t n = 0; n < designs.size(); ++n) {
        std::vector<std::string> fields = networkResultFields(network.sections[n], designs[n]);
        if (options.batch.withState) appendState(fields, designs[n].result.state);
        output << outputText(options.batch, delimited::joined(fields)) << lineEnd;
        if (designs[n].programFault) {
            errors << outputText(options.batch, "vexa-calc: wiersz " + std::to_string(network.sections[n].line) + ": " +
                                                    designs[n].result.message)
                   << '\n';
            status = kBatchMalformedLine;
        }
    }
    return status;
}

}  // namespace vexa

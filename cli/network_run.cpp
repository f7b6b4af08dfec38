#include "cli/network_run.h"

#include <filesystem>
#include <istream>
#include <iterator>
#include <memory>
#include <ostream>

#include "drawing/drawing_pages.h"
#include "drawing/dxf_drawing.h"
#include "network/network_table.h"
#include "network/workbook.h"
#include "toolkit/delimited_fields.h"
#include "toolkit/errors.h"
#include "toolkit/text_file.h"

namespace vexa {
namespace {

// One file asked for: where it goes and how it is built at a path given.
struct OutputFile {
    std::string fileName;
    std::function<bool(const std::filesystem::path&)> build;
};

// Writes every file or none: each target is checked (its folder, the file
// itself) before any is written, each is written beside its target, and the
// targets are replaced only once all are complete.
void writeAllOrNone(const std::vector<OutputFile>& files) {
    std::vector<std::unique_ptr<text_file::FileReplacement>> replacements;
    for (const OutputFile& file : files)
        replacements.push_back(std::make_unique<text_file::FileReplacement>(file.fileName));
    for (std::size_t n = 0; n < files.size(); ++n)
        if (!files[n].build(replacements[n]->temporary())) replacements[n]->fail();
    for (const auto& replacement : replacements) replacement->commit();
}

}  // namespace

int runNetwork(const NetworkRunOptions& options, std::istream& input, std::ostream& output, std::ostream& errors) {
    const auto report = [&](const std::string& problem) {
        errors << outputText(options.batch, "vexa-calc: " + problem) << '\n';
    };
    Network network;
    try {
        const std::string bytes{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
        network = readNetwork(readNetworkText(bytes).records);
    } catch (const NetworkError& problem) {
        report(problem.what());
        return kBatchFileProblem;
    }
    const std::unique_ptr<Catalogue> catalogue = loadCatalogue(options.batch, errors);
    if (!catalogue) return kBatchFileProblem;

    // What cannot be written at all is said before anything is.
    const bool profiles = options.profileFile || options.profileDxfFile;
    if (profiles && network.sections.empty()) {
        report("sieć nie ma odcinków, więc nie ma profili do narysowania");
        return kBatchFileProblem;
    }
#ifndef VEXA_WORKBOOKS
    if (options.workbookFile) {
        report("skoroszyty Excel są niedostępne w tej wersji programu: \"" + *options.workbookFile + "\"");
        return kBatchFileProblem;
    }
#endif
#ifndef VEXA_DXF
    if (options.profileDxfFile) {
        report("rysunki DXF są niedostępne w tej wersji programu: \"" + *options.profileDxfFile + "\"");
        return kBatchFileProblem;
    }
#endif
    if (options.profileFile && !options.profilePrinter) {
        report("wydruki do zbiorów PDF są niedostępne w tej wersji programu: \"" + *options.profileFile + "\"");
        return kBatchFileProblem;
    }

    BatchCalculator calculator(*catalogue, false, options.batch.timeLimitSeconds);
    const std::vector<SectionDesign> designs = designNetwork(network, options.parameters, calculator);

    // The files first: a run that cannot write them all writes none, and no table.
    std::vector<Drawing> drawings;
    if (profiles) drawings = networkProfiles(network, designs, options.scales);
    std::vector<OutputFile> files;
#ifdef VEXA_WORKBOOKS
    if (options.workbookFile)
        files.push_back({*options.workbookFile, [&](const std::filesystem::path& file) {
                             return buildWorkbook(file, "Sieć", networkWorkbookColumns(),
                                                  networkWorkbookRows(network, designs));
                         }});
#endif
    if (options.profileFile)
        files.push_back({*options.profileFile, [&](const std::filesystem::path& file) {
                             const std::unique_ptr<Printer> printer = options.profilePrinter(file.string());
                             printDrawings(drawings, *printer);
                             return true;
                         }});
#ifdef VEXA_DXF
    if (options.profileDxfFile)
        files.push_back({*options.profileDxfFile, [&](const std::filesystem::path& file) {
                             return buildDxf(file, drawings, static_cast<double>(options.scales.horizontal) / 1000);
                         }});
#endif
    try {
        writeAllOrNone(files);
    } catch (const FileError& problem) {
        report(problem.inPolish());
        return kBatchFileProblem;
    } catch (const std::runtime_error& problem) {  // PrintError
        report(problem.what());
        return kBatchFileProblem;
    }

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
            report("wiersz " + std::to_string(network.sections[n].line) + ": " + designs[n].result.message);
            status = kBatchMalformedLine;
        }
    }
    return status;
}

}  // namespace vexa

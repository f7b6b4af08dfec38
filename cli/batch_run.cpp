#include "cli/batch_run.h"

#include <cstdio>
#include <istream>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "batch/batch_calculator.h"
#include "batch/headless_platform.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/data_load.h"
#include "network/output_back_ends.h"
#include "toolkit/cp1250.h"
#include "toolkit/delimited_fields.h"
#include "toolkit/errors.h"
#include "toolkit/text.h"
#include "toolkit/text_file.h"
#include "windows/notebook_printout.h"
#include "windows/results_table.h"

namespace vexa {
namespace {

// A value with every bit of its significand, as C's %La writes it.
std::string exactly(extended value) {
    char text[64];
    std::snprintf(text, sizeof text, "%La", value);
    return text;
}

std::string headLine(const BatchOptions& options) {
    std::string line = "Odcinek;Bd;Bnrkat;Bkl;Bk;Bi;Bh;Br;Bv;Bws;Bwp";
    if (options.withState) line += kStateColumns;
    return line;
}

std::string resultLine(const BatchOptions& options, const std::string& name, const BatchResult& result) {
    if (!result.computed) return delimited::joined({name, "!", result.message});
    std::vector<std::string> fields{name};
    fields.insert(fields.end(), result.fields.begin(), result.fields.end());
    if (options.withState) appendState(fields, result.state);
    return delimited::joined(fields);
}

}  // namespace

void appendState(std::vector<std::string>& fields, const DesignState& s) {
    for (const extended value : {s.d, s.qm, s.hnd, s.vwy, s.tau, s.i, s.k, s.sdr}) fields.push_back(exactly(value));
}

std::unique_ptr<Catalogue> loadCatalogue(const BatchOptions& options, std::ostream& errors) {
    auto catalogue = std::make_unique<Catalogue>();
    HeadlessPlatform platform;
    try {
        if (!DataLoad(*catalogue, platform, {}, options.catalogue)) {
            for (const auto& text : platform.errors()) errors << outputText(options, text) << '\n';
            return nullptr;
        }
    } catch (const std::runtime_error& error) {  // ConversionError, CatalogueError
        errors << outputText(options, error.what()) << '\n';
        return nullptr;
    }
    return catalogue;
}

namespace {

// The files asked for at the end, each on its own: one that fails is reported
// and the others are still written. False when any failed.
bool writeEndFiles(const BatchOptions& options, const BatchCalculator& calculator, std::ostream& errors) {
    bool allWritten = true;
    const auto attempt = [&](const std::optional<std::string>& file,
                             const std::function<void(const std::string&)>& write) {
        if (!file) return;
        try {
            write(*file);
        } catch (const FileError& problem) {
            errors << outputText(options, "vexa-calc: " + problem.inPolish()) << '\n';
            allWritten = false;
        } catch (const std::runtime_error& problem) {  // PrintError, EncodingError
            errors << outputText(options, std::string("vexa-calc: ") + problem.what()) << '\n';
            allWritten = false;
        }
    };
    const auto print = [&](const std::string& file, const std::function<void(Printer&)>& printout) {
        OutputBackEnds* backEnds = options.outputBackEnds ? &options.outputBackEnds() : nullptr;
        if (!backEnds || !backEnds->has(OutputFormat::Pdf)) throw FileError(file, unavailable(OutputFormat::Pdf));
        const std::unique_ptr<Printer> printer = backEnds->pdf(file, PdfPaper::A4);
        printout(*printer);
    };
    attempt(options.notebookFile,
            [&](const std::string& file) { text_file::writeLines(file, calculator.notebookText()); });
    attempt(options.tableFile, [&](const std::string& file) {
        text_file::writeLines(file, resultsTableLines(calculator.records(), calculator.savedResults()));
    });
    attempt(options.tablePrintout, [&](const std::string& file) {
        print(file,
              [&](Printer& printer) { printResultsTable(printer, calculator.records(), calculator.savedResults()); });
    });
    attempt(options.notebookPrintout, [&](const std::string& file) {
        print(file, [&](Printer& printer) { printNotebook(printer, calculator.notebookText()); });
    });
    return allWritten;
}

}  // namespace

std::string outputText(const BatchOptions& options, const std::string& text) {
    if (!options.cp1250) return text;
    try {
        return cp1250::encode(text);
    } catch (const EncodingError&) {
        return text;  // a file name, say, that the code page cannot hold: shown as it is
    }
}

int runBatch(const BatchOptions& options, std::istream& input, std::ostream& output, std::ostream& errors) {
    const std::unique_ptr<Catalogue> catalogue = loadCatalogue(options, errors);
    if (!catalogue) return kBatchFileProblem;
    BatchCalculator calculator(*catalogue, options.keepsNotebook(), options.timeLimitSeconds);
    const char* lineEnd = options.cp1250 ? "\r\n" : "\n";

    output << outputText(options, headLine(options)) << lineEnd;
    int status = kBatchOk;
    std::string raw;
    for (int number = 1; std::getline(input, raw); ++number) {
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        if (raw.empty()) continue;
        const auto report = [&](const std::string& problem) {
            errors << outputText(options, "vexa-calc: wiersz " + std::to_string(number) + ": " + problem) << '\n';
        };
        try {
            const std::string line = options.cp1250 ? cp1250::decode(raw) : raw;
            text::toUtf32(line);  // the whole line must be valid UTF-8
            if (number == 1 && isHeadLine(line)) continue;
            const BatchSection section = parseSection(line);
            const BatchResult result = calculator.run(section);
            output << outputText(options, resultLine(options, section.name, result)) << lineEnd;
            if (result.nameShortened)
                report("w nazwie odcinka pominięto znaki spoza strony kodowej 1250: \"" + section.name + "\"");
            if (!result.notebookRefusal.empty()) report(result.notebookRefusal);
        } catch (const MalformedLine& problem) {
            report(problem.what());
            status = kBatchMalformedLine;
        } catch (const EncodingError& problem) {
            report(problem.what());
            status = kBatchMalformedLine;
        } catch (const std::exception& fault) {
            report(std::string("nieoczekiwany błąd programu: ") + fault.what());
            status = kBatchMalformedLine;
        }
    }
    if (!writeEndFiles(options, calculator, errors)) return kBatchFileProblem;
    return status;
}

}  // namespace vexa

#pragma once

// vexa-calc from its options to its exit status, on streams so that the
// whole batch can be run in a test.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "engine/design_state.h"

namespace vexa {

class OutputBackEnds;

struct BatchOptions {
    std::filesystem::path catalogue = "pipe_vexa.dat";
    bool cp1250 = false;                     // input and output in code page 1250 instead of UTF-8
    bool withState = false;                  // the exact design state after each result
    std::optional<double> timeLimitSeconds;  // for each section's calculation
    // Every result saved with "Zapis"; the notebook is written here at the end (UTF-8 name).
    std::optional<std::string> notebookFile;
    // At the end: the results table as "Zapis tabeli" writes it, and the two
    // printouts as PDF files (UTF-8 names).
    std::optional<std::string> tableFile;
    std::optional<std::string> tablePrintout;
    std::optional<std::string> notebookPrintout;
    // The writers of PDF files, workbooks and DXF drawings, opened when a
    // file asks for one; none in a build without them.
    std::function<OutputBackEnds&()> outputBackEnds;

    // Whether the results are saved in the notebook, as any of the files above needs.
    bool keepsNotebook() const { return notebookFile || tableFile || tablePrintout || notebookPrintout; }
};

inline constexpr int kBatchOk = 0;
inline constexpr int kBatchMalformedLine = 1;
// The catalogue, the input file, an option, or one of the files written at the end.
inline constexpr int kBatchFileProblem = 2;

int runBatch(const BatchOptions& options, std::istream& input, std::ostream& output, std::ostream& errors);

// The catalogue as the window reads it at start-up; nothing, with the
// messages on `errors`, when it cannot be used.
std::unique_ptr<Catalogue> loadCatalogue(const BatchOptions& options, std::ostream& errors);

// With --stan: the columns and the exact values of the design state after a section.
inline constexpr const char* kStateColumns = ";d;qm;hnd;vwy;tau;i;k;sdr";
void appendState(std::vector<std::string>& fields, const DesignState& state);

// Writes `text` (UTF-8) in the output's encoding.
std::string outputText(const BatchOptions& options, const std::string& text);

}  // namespace vexa

#include "cli/catalogue_check_run.h"

#include <ostream>

#include "catalogue/catalogue_check.h"

namespace vexa {

int checkCatalogue(const BatchOptions& options, std::ostream& output, std::ostream& errors) {
    const std::unique_ptr<Catalogue> catalogue = loadCatalogue(options, errors);
    if (!catalogue) return kBatchFileProblem;
    const char* lineEnd = options.cp1250 ? "\r\n" : "\n";
    output << outputText(options, "Katalog \"" + options.catalogue.string() + "\" wczytuje się poprawnie.") << lineEnd;
    for (const std::string& line : catalogueSummary(*catalogue)) output << outputText(options, line) << lineEnd;
    const std::vector<std::string> warnings = catalogueWarnings(*catalogue);
    output << outputText(options, warnings.empty() ? "Brak uwag." : "Uwagi: " + std::to_string(warnings.size()))
           << lineEnd;
    for (const std::string& warning : warnings) output << outputText(options, "Uwaga: " + warning) << lineEnd;
    return kBatchOk;
}

}  // namespace vexa

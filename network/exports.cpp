#include "network/exports.h"

#include <memory>
#include <utility>

#include "drawing/drawing_pages.h"
#include "network/network_table.h"
#include "network/swmm_model.h"
#include "toolkit/delimited_fields.h"
#include "toolkit/errors.h"
#include "toolkit/text_file.h"

namespace vexa {
namespace {

// The table of the results as "Zapis tabeli" writes a table: code page 1250,
// CR LF after every line.
std::vector<std::string> resultsTableLines(const Network& network, const std::vector<SectionDesign>& designs) {
    const bool rain = network.rain();
    std::vector<std::string> lines{networkResultsHead(rain)};
    for (std::size_t n = 0; n < designs.size(); ++n)
        lines.push_back(delimited::joined(networkResultFields(network.sections[n], designs[n], rain)));
    return lines;
}

}  // namespace

std::string unavailable(OutputFormat format) {
    switch (format) {
        case OutputFormat::Workbook:
            return "skoroszyty Excel są niedostępne w tej wersji programu";
        case OutputFormat::Pdf:
            return "wydruki do zbiorów PDF są niedostępne w tej wersji programu";
        case OutputFormat::Dxf:
            break;
    }
    return "rysunki DXF są niedostępne w tej wersji programu";
}

std::optional<OutputFormat> backEndFormat(NetworkExport kind) {
    switch (kind) {
        case NetworkExport::Workbook:
            return OutputFormat::Workbook;
        case NetworkExport::ProfilesPdf:
            return OutputFormat::Pdf;
        case NetworkExport::ProfilesDxf:
            return OutputFormat::Dxf;
        case NetworkExport::ResultsTable:
        case NetworkExport::SwmmModel:
            break;
    }
    return std::nullopt;
}

NetworkExports::NetworkExports(const Network& network, const std::vector<SectionDesign>& designs,
                               OutputBackEnds& backEnds, ProfileScales scales, ProjectData project)
    : network_(network), designs_(designs), backEnds_(backEnds), scales_(scales), project_(std::move(project)) {}

std::string NetworkExports::refusal(const std::vector<ExportRequest>& requests) const {
    bool profiles = false;
    for (const ExportRequest& request : requests) {
        const auto format = backEndFormat(request.kind);
        if (format && !backEnds_.has(*format)) return FileError(request.fileName, unavailable(*format)).inPolish();
        profiles = profiles || request.kind == NetworkExport::ProfilesPdf || request.kind == NetworkExport::ProfilesDxf;
    }
    if (profiles && network_.sections.empty()) return "sieć nie ma odcinków, więc nie ma profili do narysowania";
    return {};
}

const std::vector<Drawing>& NetworkExports::profiles() const {
    if (!drawn_) profiles_ = networkProfiles(network_, designs_, scales_, project_);
    drawn_ = true;
    return profiles_;
}

void NetworkExports::write(const std::vector<ExportRequest>& requests) const {
    std::vector<std::unique_ptr<text_file::FileReplacement>> replacements;
    for (const ExportRequest& request : requests) {
        const auto format = backEndFormat(request.kind);
        if (format && !backEnds_.has(*format)) throw FileError(request.fileName, unavailable(*format));
        replacements.push_back(std::make_unique<text_file::FileReplacement>(request.fileName));
    }
    for (std::size_t n = 0; n < requests.size(); ++n) {
        const std::filesystem::path& file = replacements[n]->temporary();
        bool written = false;
        std::error_code error;
        switch (requests[n].kind) {
            case NetworkExport::ResultsTable:
                error = text_file::writeBytes(file, text_file::codePageLines(resultsTableLines(network_, designs_)));
                written = !error;
                break;
            case NetworkExport::Workbook:
                written = backEnds_.workbook(file, "Sieć", networkWorkbookColumns(network_.rain()),
                                             networkWorkbookRows(network_, designs_));
                break;
            case NetworkExport::ProfilesPdf: {
                const std::unique_ptr<Printer> printer = backEnds_.pdf(file.string(), PdfPaper::A3);
                printDrawings(profiles(), *printer);
                written = true;
                break;
            }
            case NetworkExport::ProfilesDxf:
                written = backEnds_.dxf(file, profiles(), static_cast<double>(scales_.horizontal) / 1000);
                break;
            case NetworkExport::SwmmModel: {
                // Titled by the model's own file: SWMM's windows show it.
                const std::string title = text_file::pathFromUtf8(requests[n].fileName).stem().string();
                error = text_file::writeBytes(
                    file, text_file::codePageLines(swmmModelLines(network_, designs_, "Vexa: " + title)));
                written = !error;
                break;
            }
        }
        if (!written) replacements[n]->fail(error);
    }
    for (const auto& replacement : replacements) replacement->commit();
}

}  // namespace vexa

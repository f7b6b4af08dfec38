#pragma once

// The files a designed network is written to, one module for the window and
// vexa-calc: the results table as a code page 1250 CSV file, the workbook,
// the profiles as PDF and as DXF. Files asked for together are written all
// or none: every target is checked before any is written, each is written
// beside its target, and the targets are replaced only once all are
// complete.

#include <optional>
#include <string>
#include <vector>

#include "drawing/drawing.h"
#include "network/network_design.h"
#include "network/network_file.h"
#include "network/output_back_ends.h"
#include "network/profile_drawing.h"

namespace vexa {

enum class NetworkExport { ResultsTable, Workbook, ProfilesPdf, ProfilesDxf, SwmmModel };

struct ExportRequest {
    NetworkExport kind;
    std::string fileName;  // UTF-8
};

// The format an export needs a back end for, if any.
std::optional<OutputFormat> backEndFormat(NetworkExport kind);

class NetworkExports {
public:
    NetworkExports(const Network& network, const std::vector<SectionDesign>& designs, OutputBackEnds& backEnds,
                   ProfileScales scales = {}, ProjectData project = {});

    // Why the files asked for cannot be written at all, before anything is
    // designed or written: a format this program lacks ("Nie można zapisać
    // zbioru siec.xlsx: skoroszyty Excel są niedostępne w tej wersji
    // programu"), or profiles of a network without sections. Empty when
    // they can.
    std::string refusal(const std::vector<ExportRequest>& requests) const;
    // Writes the files, all or none. Throws FileError with its cause (the
    // first target that cannot be written, or a format this program lacks),
    // EncodingError, PrintError.
    void write(const std::vector<ExportRequest>& requests) const;

private:
    const std::vector<Drawing>& profiles() const;

    const Network& network_;
    const std::vector<SectionDesign>& designs_;
    OutputBackEnds& backEnds_;
    ProfileScales scales_;
    ProjectData project_;                    // for the profiles' title blocks
    mutable std::vector<Drawing> profiles_;  // drawn once, when first needed
    mutable bool drawn_ = false;
};

}  // namespace vexa

#pragma once

// Runs batch sections through the design window's own logic: each section
// starts from the window as it is right after start-up and is entered through
// the controls' user entry points, in the order a user would fill the window.

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "batch/batch_section.h"
#include "catalogue/catalogue.h"
#include "engine/design_state.h"
#include "windows/notebook_record.h"

namespace vexa {

struct BatchResult {
    bool computed = false;
    // Bd, Bnrkat, Bkl, Bk, Bi, Bh, Br, Bv, Bws, Bwp as the window shows them.
    std::array<std::string, 10> fields;
    const std::string& Bd() const { return fields[0]; }      // diameters Dz / Dw
    const std::string& Bnrkat() const { return fields[1]; }  // catalogue number
    const std::string& Bkl() const { return fields[2]; }     // class
    const std::string& Bk() const { return fields[3]; }      // roughness
    const std::string& Bi() const { return fields[4]; }      // slope, per mille with one decimal
    const std::string& Bh() const { return fields[5]; }      // filling
    const std::string& Br() const { return fields[6]; }      // shear stress
    const std::string& Bv() const { return fields[7]; }      // velocity
    const std::string& Bws() const { return fields[8]; }     // self-cleaning verdict
    const std::string& Bwp() const { return fields[9]; }     // ventilation verdict
    // The box the window would have shown instead, on one line.
    std::string message;
    DesignState state;  // as it stands after the run
    // With a result, the outer and inner diameter [mm] of the pipe the fields
    // show. After an optimal-pipe search the state's d is the last
    // candidate's, which need not be the pipe chosen.
    double outerDiameter = 0;
    extended innerDiameter = 0;
    std::string typeName;     // of the pipe's type, as the catalogue names it
    bool insideSize = false;  // the type is sold by its inside size, which the outer diameter holds
    // With the notebook kept: the box "Zapis" showed instead of saving the
    // result, and whether the section name lost characters that code page
    // 1250 cannot hold.
    std::string notebookRefusal;
    bool nameShortened = false;
};

struct KeptNotebook;

// What designs one section: the window's calculation, or a store of its results.
class SectionCalculator {
public:
    virtual ~SectionCalculator() = default;
    virtual BatchResult run(const BatchSection& section) = 0;
};

class BatchCalculator : public SectionCalculator {
public:
    // `loaded`: the catalogue as read and linked at start-up (copied). With
    // `keepNotebook` every result is saved with "Zapis" and the notebook is
    // kept from section to section. A section's calculation that runs longer
    // than `timeLimitSeconds` is stopped and shows why instead of a result.
    explicit BatchCalculator(const Catalogue& loaded, bool keepNotebook = false,
                             std::optional<double> timeLimitSeconds = std::nullopt);
    ~BatchCalculator();

    BatchResult run(const BatchSection& section) override;

    // The notebook text as the notebook window shows and saves it.
    std::vector<std::string> notebookText() const;
    // The results table: records 1 .. savedResults() of records().
    const NotebookRecords& records() const;
    int savedResults() const;

private:
    std::unique_ptr<Catalogue> loaded_;
    std::unique_ptr<KeptNotebook> notebook_;  // none unless kept
    std::optional<double> timeLimit_;
};

}  // namespace vexa

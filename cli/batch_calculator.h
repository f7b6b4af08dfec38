#pragma once

// Runs batch sections through the design window's own logic: each section
// starts from the window as it is right after start-up and is entered through
// the controls' user entry points, in the order a user would fill the window.

#include <array>
#include <memory>
#include <string>

#include "catalogue/catalogue.h"
#include "cli/batch_section.h"
#include "engine/design_state.h"

namespace vexa {

struct BatchResult {
    bool computed = false;
    // Bd, Bnrkat, Bkl, Bk, Bi, Bh, Br, Bv, Bws, Bwp as the window shows them.
    std::array<std::string, 10> fields;
    // The box the window would have shown instead, on one line.
    std::string message;
    DesignState state;  // as it stands after the run
};

class BatchCalculator {
public:
    // `loaded`: the catalogue as read and linked at start-up (copied).
    explicit BatchCalculator(const Catalogue& loaded);
    ~BatchCalculator();

    BatchResult run(const BatchSection& section);

private:
    std::unique_ptr<Catalogue> loaded_;
};

}  // namespace vexa

#pragma once

// The one object that owns everything the program shares: the platform
// services it talks through, the catalogue, the design state and, as they
// come, the notebook and the windows. Nothing is global, so every test starts
// from a fresh program.

#include <filesystem>
#include <memory>

#include "catalogue/catalogue.h"
#include "engine/design_state.h"
#include "toolkit/platform_services.h"

namespace vexa {

class Program {
public:
    // `workingDirectory` is where the data file is looked for: the process's
    // current directory at start-up.
    Program(PlatformServices& platform, std::filesystem::path workingDirectory);

    PlatformServices& platform() { return platform_; }
    const std::filesystem::path& workingDirectory() const { return workingDirectory_; }

    Catalogue& catalogue() { return *catalogue_; }
    const Catalogue& catalogue() const { return *catalogue_; }
    DesignState& state() { return state_; }
    const DesignState& state() const { return state_; }

private:
    PlatformServices& platform_;
    std::filesystem::path workingDirectory_;
    std::unique_ptr<Catalogue> catalogue_;  // large: kept off the stack
    DesignState state_;
};

}  // namespace vexa

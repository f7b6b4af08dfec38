#pragma once

// The bundled catalogue as the program reads it at start-up, with the
// optimal pipes' table linked: the catalogue most tests design with.

#include <filesystem>
#include <memory>

#include "catalogue/catalogue_reader.h"

namespace vexa::testing_support {

inline std::unique_ptr<Catalogue> bundledCatalogue(
    const std::filesystem::path& file = std::filesystem::path(VEXA_SOURCE_DIR) / "pipe_vexa.dat") {
    auto catalogue = std::make_unique<Catalogue>();
    readCatalogueFile(file, *catalogue);
    linkOptimisation(*catalogue);
    return catalogue;
}

}  // namespace vexa::testing_support

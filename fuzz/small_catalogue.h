#pragma once

// The small test catalogue, read once for every input a fuzzer designs with.

#include <memory>

#include "catalogue/catalogue_reader.h"

inline const vexa::Catalogue& smallCatalogue() {
    static const auto catalogue = [] {
        auto read = std::make_unique<vexa::Catalogue>();
        vexa::readCatalogueFile(VEXA_FUZZ_CATALOGUE, *read);
        vexa::linkOptimisation(*read);
        return read;
    }();
    return *catalogue;
}

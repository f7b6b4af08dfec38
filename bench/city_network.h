#pragma once

// A generated city for the network benchmarks: trees of 20 to 400 sections,
// every pipe type and criterion, flat, rising and steep ground, the same
// city for the same number of sections on every run.

#include <memory>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"

namespace vexa_bench {

// The bundled catalogue, read and linked as at start-up.
std::unique_ptr<vexa::Catalogue> bundledCatalogue();

// The lines of the city's network file, the head line first.
std::vector<std::string> cityLines(int sections);

}  // namespace vexa_bench

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

// The lines of the city's network file, the head line first; with `rain`,
// the same sections with catchments on most of them.
std::vector<std::string> cityLines(int sections, bool rain = false);

// The row (from 0) of the city's head section farthest up its first tree:
// an edit there changes the rain of every section down to the outlet.
int firstTreesLastRow(const std::vector<std::string>& lines);

}  // namespace vexa_bench

#pragma once

#include <filesystem>
#include <functional>

#include "catalogue/catalogue.h"
#include "toolkit/platform_services.h"

namespace vexa {

inline constexpr const char* kDataFileName = "pipe_vexa.dat";

// The data file in `directory`. Only that directory counts: the program's own
// folder is not searched.
std::filesystem::path dataFilePath(const std::filesystem::path& directory);

// Reads the catalogue from `file` (the data file in the working directory at
// start-up), then has the lists filled and links the optimisation table. A
// missing file shows "Brak zbioru "pipe_vexa.dat"" (with the file's name),
// asks the program to end and returns false. A broken file throws
// (ConversionError, CatalogueError) before the lists are filled, leaving the
// catalogue as it was.
bool DataLoad(Catalogue& catalogue, PlatformServices& platform, const std::function<void()>& fillLists,
              const std::filesystem::path& file);

}  // namespace vexa

#include "catalogue/data_load.h"

#include "catalogue/catalogue_reader.h"

namespace vexa {

std::filesystem::path dataFilePath(const std::filesystem::path& directory) {
    // operator/ adds a separator unless the directory already ends in one (a root).
    return directory / kDataFileName;
}

bool DataLoad(Catalogue& catalogue, PlatformServices& platform, const std::function<void()>& fillLists,
              const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        platform.showError("Brak zbioru \"" + file.filename().string() + "\"");
        platform.terminate();
        return false;
    }
    readCatalogueFile(file, catalogue);
    if (fillLists) fillLists();
    linkOptimisation(catalogue);
    return true;
}

}  // namespace vexa

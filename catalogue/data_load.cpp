#include "catalogue/data_load.h"

#include "catalogue/catalogue_reader.h"

namespace vexa {

std::filesystem::path dataFilePath(const std::filesystem::path& directory) {
    // operator/ adds a separator unless the directory already ends in one (a root).
    return directory / kDataFileName;
}

bool DataLoad(Catalogue& catalogue, PlatformServices& platform,
              const std::function<void()>& fillLists, const std::filesystem::path& directory) {
    const std::filesystem::path path = dataFilePath(directory);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        platform.showError(std::string("Brak zbioru \"") + kDataFileName + "\"");
        platform.terminate();
        return false;
    }
    readCatalogueFile(path, catalogue);
    if (fillLists) fillLists();
    linkOptimisation(catalogue);
    return true;
}

}  // namespace vexa

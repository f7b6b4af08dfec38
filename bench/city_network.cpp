#include "city_network.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <utility>

#include "catalogue/catalogue_reader.h"
#include "network/network_file.h"
#include "toolkit/numbers.h"

namespace vexa_bench {

std::unique_ptr<vexa::Catalogue> bundledCatalogue() {
    auto catalogue = std::make_unique<vexa::Catalogue>();
    vexa::readCatalogueFile(std::filesystem::path(VEXA_SOURCE_DIR) / "pipe_vexa.dat", *catalogue);
    vexa::linkOptimisation(*catalogue);
    return catalogue;
}

std::vector<std::string> cityLines(int sections, bool rain) {
    std::mt19937 random(5);
    std::mt19937 rainRandom(7);  // apart, so that the city's sections are the same with rain and without
    const auto between = [&](long long low, long long high) {
        return std::uniform_int_distribution<long long>(low, high)(random);
    };
    std::vector<std::string> lines{rain ? vexa::kNetworkHeadLine : vexa::kNetworkHeadLineWithoutCatchments};
    for (int tree = 1, made = 0; made < sections; ++tree) {
        // Manholes of this tree with their ground [mm]; the outlet first.
        std::vector<std::pair<std::string, long long>> manholes{
            {"T" + std::to_string(tree) + "O", between(95000, 110000)}};
        const long long size = between(20, 400);
        for (long long k = 0; k < size && made < sections; ++k, ++made) {
            const auto& below = manholes[static_cast<std::size_t>(
                between(std::max<long long>(0, static_cast<long long>(manholes.size()) - 30),
                        static_cast<long long>(manholes.size()) - 1))];
            const long long rise = between(0, 2) == 0   ? between(-300, 300)
                                   : between(0, 2) == 0 ? between(0, 12000)
                                                        : between(0, 2000);
            const std::pair<std::string, long long> above{"T" + std::to_string(tree) + "M" + std::to_string(k),
                                                          below.second + rise};
            const long long criterion = between(0, 4);
            lines.push_back("S" + std::to_string(made + 1) + ";" + above.first + ";" + below.first + ";" +
                            std::to_string(between(20, 90)) + ";" + vexa::formatScaled(above.second, 3) + ";" +
                            vexa::formatScaled(below.second, 3) + ";" + vexa::formatScaled(between(0, 8000), 3) + ";" +
                            std::to_string(between(1, 11)) + ";;;" + std::to_string(between(0, 2)) + ";" +
                            std::to_string(between(0, 1)) + ";" + std::to_string(criterion) + ";" +
                            (criterion == 4 ? "50" : ""));
            if (rain) {
                // Roofs, roads and green: a catchment on three sections of four, up to 0,6 ha.
                const auto area = std::uniform_int_distribution<long long>(-2000, 6000)(rainRandom);
                const auto coefficient = std::uniform_int_distribution<long long>(10, 95)(rainRandom);
                lines.back() += area > 0 ? ";" + vexa::formatScaled(area, 4) + ";" + vexa::formatScaled(coefficient, 2)
                                         : std::string(";;");
            }
            manholes.push_back(above);
        }
    }
    return lines;
}

int firstTreesLastRow(const std::vector<std::string>& lines) {
    int last = 0;
    for (std::size_t n = 1; n < lines.size(); ++n)
        if (lines[n].find(";T1M") != std::string::npos) last = static_cast<int>(n) - 1;
    return last;
}

}  // namespace vexa_bench

// Writes the generated city as vexa-calc reads it, so that whole processes
// can be timed: the network file, and the line of each section as the
// network design computed it, one per line of a batch.
//
//   bench_city_files SECTIONS NETWORK.csv LINES.csv

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "city_network.h"
#include "network/network_design.h"
#include "network/network_file.h"

namespace {

bool write(const std::string& file, const std::vector<std::string>& lines) {
    std::ofstream out(file, std::ios::binary);
    for (const std::string& line : lines) out << line << '\n';
    return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: bench_city_files SECTIONS NETWORK.csv LINES.csv\n";
        return 2;
    }
    const std::vector<std::string> networkLines = vexa_bench::cityLines(std::atoi(argv[1]));
    const auto catalogue = vexa_bench::bundledCatalogue();
    vexa::BatchCalculator calculator(*catalogue);
    std::vector<std::string> lines{
        "Odcinek;Typ;Srednica;SDR;Scieki;Opory;Q;Spadek;KryteriumSpadku;Od;Do;"
        "KryteriumDoboru;HdMax"};
    for (const vexa::SectionDesign& design : vexa::designNetwork(vexa::readNetwork(networkLines), {}, calculator))
        lines.push_back(vexa::sectionLine(design.calculated));
    if (!write(argv[2], networkLines) || !write(argv[3], lines)) {
        std::cerr << "bench_city_files: cannot write the files\n";
        return 1;
    }
    return 0;
}

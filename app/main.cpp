// vexa: for now the catalogue check that the design window will run at its
// start: reads "pipe_vexa.dat" from the current directory and lists the pipe
// types it offers.

#include <filesystem>
#include <iostream>

#include "catalogue/data_load.h"
#include "toolkit/numbers.h"
#include "toolkit/recording_platform.h"
#include "windows/program.h"

int main() {
    vexa::RecordingPlatform platform;
    vexa::Program program(platform, std::filesystem::current_path());
    program.state().setWindowStartValues();
    try {
        if (!vexa::DataLoad(program.catalogue(), platform, {}, program.workingDirectory())) {
            for (const auto& text : platform.errors()) std::cerr << text << '\n';
            return 1;
        }
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 2;
    }
    const vexa::Catalogue& catalogue = program.catalogue();
    std::cout << "Vexa_V2.06: typy rur w katalogu (" << catalogue.ilosc_typow << ")\n";
    for (int number = 1; number <= catalogue.ilosc_typow; ++number) {
        const vexa::Rura_1& type = catalogue.type(number);
        std::cout << type.nazwa << "      k=" << vexa::formatGeneral(type.k1) << " mm, "
                  << type.ilosc_sred << " średnic\n";
    }
    return 0;
}

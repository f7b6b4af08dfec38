// vexa: for now the design window's start without a display: reads
// "pipe_vexa.dat" from the current directory as the window does when it is
// shown, and prints the pipe-type list it then offers.

#include <filesystem>
#include <iostream>

#include "catalogue/data_load.h"
#include "toolkit/recording_platform.h"
#include "windows/design_window.h"
#include "windows/program.h"

int main() {
    vexa::RecordingPlatform platform;
    vexa::Program program(platform, vexa::dataFilePath(std::filesystem::current_path()));
    try {
        program.start();
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 2;
    }
    if (platform.terminated()) {
        for (const auto& text : platform.errors()) std::cerr << text << '\n';
        return 1;
    }
    std::cout << "Vexa_V2.06: typy rur\n";
    for (const auto& item : program.Form1().Combo_Typ.Items) std::cout << item << '\n';
    return 0;
}

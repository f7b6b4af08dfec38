#include "cli/output_module.h"

#ifndef _WIN32
#include <dlfcn.h>
#endif

#include <filesystem>
#include <system_error>

namespace vexa {
namespace {

#ifndef _WIN32
// Where the module lies: beside vexa-calc in the build, in its installed
// folder relative to the program's own (VEXA_OUTPUT_MODULE_FROM_PROGRAM).
OutputBackEnds* openModule(int& argc, char** argv) {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return nullptr;
    for (const std::filesystem::path& module :
         {program.parent_path() / VEXA_OUTPUT_MODULE_NAME, program.parent_path() / VEXA_OUTPUT_MODULE_FROM_PROGRAM}) {
        if (!std::filesystem::exists(module, error)) continue;
        // Never closed: the back ends' code must stay for as long as the process runs.
        void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) continue;
        using Open = OutputBackEnds* (*)(int*, char**);
        if (const auto open = reinterpret_cast<Open>(dlsym(handle, "vexaOpenOutputBackEnds"))) return open(&argc, argv);
    }
    return nullptr;
}
#else
OutputBackEnds* openModule(int&, char**) { return nullptr; }
#endif

}  // namespace

OutputModule::OutputModule(int& argc, char** argv) : argc_(argc), argv_(argv) {}

OutputModule::~OutputModule() = default;

OutputBackEnds& OutputModule::backEnds() {
    if (!backEnds_) {
        backEnds_.reset(openModule(argc_, argv_));
        if (!backEnds_) backEnds_ = std::make_unique<NoOutputBackEnds>();
    }
    return *backEnds_;
}

}  // namespace vexa

#include <filesystem>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/output_module.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace vexa {
namespace {

using Open = OutputBackEnds* (*)(int*, char**);

// The folder of the running program.
std::filesystem::path programFolder() {
#ifdef _WIN32
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return std::filesystem::path(path).parent_path();
#else
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
#endif
}

// The module's entry, or why it cannot be had. The module is never closed:
// the writers' code stays for as long as the process runs.
Open entryOf(const std::filesystem::path& module, std::string& problem) {
#ifdef _WIN32
    HMODULE handle = LoadLibraryW(module.c_str());
    if (!handle) {
        problem = "błąd systemu " + std::to_string(GetLastError());
        return nullptr;
    }
    const auto entry = reinterpret_cast<Open>(GetProcAddress(handle, "vexaOpenOutputBackEnds"));
    if (!entry) problem = "brak funkcji vexaOpenOutputBackEnds";
    return entry;
#else
    void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        problem = dlerror();
        return nullptr;
    }
    const auto entry = reinterpret_cast<Open>(dlsym(handle, "vexaOpenOutputBackEnds"));
    if (!entry) problem = dlerror();
    return entry;
#endif
}

}  // namespace

// Beside vexa-calc in the build; in its installed folder as seen from the
// program's (VEXA_OUTPUT_MODULE_FROM_PROGRAM).
std::unique_ptr<OutputBackEnds> OutputModule::open() {
    const std::filesystem::path folder = programFolder();
    for (const std::filesystem::path& module :
         {folder / VEXA_OUTPUT_MODULE_NAME, folder / VEXA_OUTPUT_MODULE_FROM_PROGRAM}) {
        std::error_code missing;
        if (!std::filesystem::exists(module, missing)) continue;
        std::string problem;
        if (const Open entry = entryOf(module, problem)) return std::unique_ptr<OutputBackEnds>(entry(&argc_, argv_));
        errors_ << "vexa-calc: nie można otworzyć modułu zapisu zbiorów PDF, XLSX i DXF " << module.string() << ": "
                << problem << '\n';
        break;
    }
    return std::make_unique<NoOutputBackEnds>();
}

}  // namespace vexa

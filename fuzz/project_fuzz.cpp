// Any bytes as a network's project file, as vexa-calc --parametry and the
// window read it: refused with the line, or read into parameters within
// their rules; a project read and written again reads as the same entries.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "network/network_project.h"
#include "toolkit/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<vexa::ProjectError> faults;
    const vexa::NetworkProject lenient = vexa::readNetworkProject(bytes, &faults);
    try {
        const vexa::NetworkProject project = vexa::readNetworkProject(bytes);
        if (!faults.empty()) __builtin_trap();  // the strict reading refuses what the lenient one lists
        vexa::NetworkParameters parameters;
        std::optional<std::string> rainTable;
        vexa::ProjectData projectData;
        vexa::applyProject(project, "/projekt/siec.vexa", parameters, rainTable, projectData);
        if (parameters.slopeMin < 5 || parameters.flowMin < 1000 || parameters.retention > 200) __builtin_trap();
    } catch (const vexa::ProjectError&) {
    }
    // Written in its form and read again: the same keys and values.
    std::string written;
    try {
        written = vexa::networkProjectBytes(lenient);
    } catch (const vexa::EncodingError&) {
        return 0;  // a character the code page lacks, refused before anything is written
    }
    const vexa::NetworkProject again = vexa::readNetworkProject(written, &faults);
    // Code page text whose bytes happen to be UTF-8 reads as UTF-8, as every file of Vexa does.
    if (again.codePage1250 != lenient.codePage1250) return 0;
    if (again.entries.size() != lenient.entries.size()) __builtin_trap();
    for (std::size_t n = 0; n < again.entries.size(); ++n)
        if (again.entries[n].key != lenient.entries[n].key || again.entries[n].value != lenient.entries[n].value)
            __builtin_trap();
    return 0;
}

#pragma once

// The design parameters of a network kept in a file beside it (NAME.vexa
// beside NAME.csv), so that the window and vexa-calc --parametry design the
// same network alike: one "klucz=wartość" line each, the key being
// vexa-calc's option without its dashes ("przykrycie=1,2"), and how the
// window writes the network file. Values are kept as written: a project
// read and written again is the same bytes.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "network/network_design.h"
#include "network/project_data.h"

namespace vexa {

// The keys beside the parameters' options.
inline constexpr const char* kJunctionKey = "polaczenie";            // korony | zwierciadla
inline constexpr const char* kRainTableKey = "deszcz-tabela";        // a file, from the project's folder
inline constexpr const char* kReceivingInvertKey = "dno-wylotu";     // NAZWA=RZĘDNA, once per outlet
inline constexpr const char* kNetworkEncodingKey = "kodowanie";      // of the network file
inline constexpr const char* kNetworkLineEndsKey = "konce-wierszy";  // of the network file

struct ProjectEntry {
    std::string key;
    std::string value;
    int line = 0;  // in the file, from 1; 0 for an entry not read from one
};

// Why a project file cannot be read: "Wiersz 3: nieznany klucz \"x\"".
class ProjectError : public std::runtime_error {
public:
    ProjectError(int line, const std::string& problem);
};

// How a network file is written: the code page with CR LF, UTF-8 with LF, or
// as the file read was.
struct NetworkFileForm {
    bool codePage1250 = true;
    bool crLf = true;
    bool byteOrderMark = false;
};

struct NetworkProject {
    std::vector<ProjectEntry> entries;  // in the file's order
    // The form of the project file itself, which follows its network's.
    bool codePage1250 = false;
    bool crLf = false;

    // The value of a key given once; nothing where it is not given.
    const ProjectEntry* find(std::string_view key) const;
};

// NAME.vexa beside NAME.csv (UTF-8 names).
std::string projectFileName(const std::string& networkFileName);

// Reads a project's bytes (UTF-8 or code page 1250, as a network file):
// blank lines and lines starting with "#" are skipped. Throws ProjectError
// for a line without "=", a key no project has, or a key given twice
// (but dno-wylotu); with `faults`, leaves such a line out and adds it there
// instead, so that the rest is kept.
NetworkProject readNetworkProject(std::string_view bytes, std::vector<ProjectError>* faults = nullptr);

// The bytes of a project in its form. Throws EncodingError for a character
// the code page cannot hold.
std::string networkProjectBytes(const NetworkProject& project);

// The parameters the project gives, over those given: each value read as
// vexa-calc reads its option. The rain table's file is given relative to the
// project's folder, `projectFileName`. Throws ProjectError naming the line
// of a value that cannot be read ("Wiersz 2: przykrycie \"x\" nie jest liczbą").
// The order of the slopes is left to be checked with the options given
// beside the project, which may mend it. The texts of the title blocks go
// to `data`.
void applyProject(const NetworkProject& project, const std::string& projectFileName, NetworkParameters& parameters,
                  std::optional<std::string>& rainTableFile, ProjectData& data);

// The network file's form the project keeps, where it keeps one, and its
// entries: "kodowanie=cp1250|utf-8|utf-8-bom", "konce-wierszy=crlf|lf".
std::optional<NetworkFileForm> projectNetworkForm(const NetworkProject& project);
std::vector<ProjectEntry> networkFormEntries(const NetworkFileForm& form);

// A file named in a project: relative to the project's folder where it lies
// in it or below, else as it is; and back.
std::string pathInProject(const std::string& fileName, const std::string& projectFileName);
std::string pathFromProject(const std::string& written, const std::string& projectFileName);

}  // namespace vexa

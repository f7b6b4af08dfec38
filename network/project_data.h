#pragma once

// What a profile sheet's title block says of the project: free texts the
// engineer gives as vexa-calc options or in the project file (the key being
// the option without its dashes), and the height datum the levels are in.

#include <array>
#include <string>

namespace vexa {

inline constexpr const char* kDefaultHeightDatum = "PL-EVRF2007-NH";

struct ProjectData {
    std::string name;
    std::string address;
    std::string investor;
    std::string stage;
    std::string designer;
    std::string licence;  // the designer's
    std::string checker;
    std::string date;
    std::string number;  // of the drawing
    std::string heightDatum = kDefaultHeightDatum;
    bool operator==(const ProjectData&) const = default;
};

struct ProjectDataField {
    const char* key;    // of the project file; the option is "--" + key
    const char* label;  // what the window's form and --help call it
    std::string ProjectData::*member;
    const char* defaultValue;  // written to no project file
};

inline constexpr std::array<ProjectDataField, 10> kProjectDataFields{{
    {"projekt-nazwa", "Nazwa projektu", &ProjectData::name, ""},
    {"projekt-adres", "Adres", &ProjectData::address, ""},
    {"projekt-inwestor", "Inwestor", &ProjectData::investor, ""},
    {"projekt-stadium", "Stadium", &ProjectData::stage, ""},
    {"projekt-projektant", "Projektant", &ProjectData::designer, ""},
    {"projekt-uprawnienia", "Nr uprawnień projektanta", &ProjectData::licence, ""},
    {"projekt-sprawdzajacy", "Sprawdzający", &ProjectData::checker, ""},
    {"projekt-data", "Data", &ProjectData::date, ""},
    {"projekt-numer", "Nr rysunku", &ProjectData::number, ""},
    {"uklad-wysokosci", "Układ wysokości", &ProjectData::heightDatum, kDefaultHeightDatum},
}};

}  // namespace vexa

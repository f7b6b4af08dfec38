#pragma once

// Fixed texts of the notebook that the design window and the notebook window
// share.

#include <string>
#include <vector>

namespace vexa::notebook_texts {

// The two lines the notebook text begins with.
inline std::vector<std::string> header() {
    return {"Ductora Polska S.A. - projektowanie sieci kanalizacji zewnętrznej", std::string(72, '=')};
}

// The name the section field gets at start, on leaving the notebook window
// and after clearing the notebook.
inline std::string defaultSectionName(int number) { return "Odcinek nr " + std::to_string(number); }

inline constexpr const char* kEmpty = "Notatnik jest jeszcze pusty";

}  // namespace vexa::notebook_texts

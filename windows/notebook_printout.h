#pragma once

// "Wydruk notatnika": the notebook text as running text, three entries to a
// page. The kinds of lines are told apart by the marker texts every entry
// holds: the title, its hyphen rule, the results heading and the verdict.

#include <string>
#include <vector>

#include "toolkit/printer.h"

namespace vexa {

// `notebook`: the header, its "=" rule, then the entries' lines.
void printNotebook(Printer& printer, const std::vector<std::string>& notebook);

}  // namespace vexa

#pragma once

// vexa-calc --sprawdz-katalog: a catalogue read as the program reads it, then
// either the reader's refusal or what it holds and what looks wrong in it.

#include <iosfwd>

#include "cli/batch_run.h"

namespace vexa {

// The catalogue of `options`: kBatchOk when it loads (its summary and
// warnings on `output`), kBatchFileProblem with the refusal on `errors`.
int checkCatalogue(const BatchOptions& options, std::ostream& output, std::ostream& errors);

}  // namespace vexa

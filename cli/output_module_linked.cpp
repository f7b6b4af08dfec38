// A vexa-calc built without Qt: no PDF writer, and the workbook and DXF
// writers linked in where the build has their libraries.

#include "cli/output_module.h"
#include "network/linked_output_back_ends.h"

namespace vexa {

std::unique_ptr<OutputBackEnds> OutputModule::open() {
    // No module to open: its arguments and its messages are not needed.
    (void)argc_;
    (void)argv_;
    (void)errors_;
    return std::make_unique<LinkedOutputBackEnds>();
}

}  // namespace vexa

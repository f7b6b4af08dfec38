#include "cli/output_module.h"

namespace vexa {

OutputModule::OutputModule(int& argc, char** argv, std::ostream& errors) : argc_(argc), argv_(argv), errors_(errors) {}

OutputModule::~OutputModule() = default;

OutputBackEnds& OutputModule::backEnds() {
    if (!backEnds_) backEnds_ = open();
    return *backEnds_;
}

}  // namespace vexa

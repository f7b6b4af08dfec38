#include "windows/program.h"

namespace vexa {

Program::Program(PlatformServices& platform, std::filesystem::path workingDirectory)
    : platform_(platform),
      workingDirectory_(std::move(workingDirectory)),
      catalogue_(std::make_unique<Catalogue>()) {}

}  // namespace vexa

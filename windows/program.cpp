#include "windows/program.h"

#include "windows/design_window.h"
#include "windows/event_dispatch.h"

namespace vexa {

Program::Program(PlatformServices& platform, std::filesystem::path workingDirectory)
    : platform_(platform),
      workingDirectory_(std::move(workingDirectory)),
      catalogue_(std::make_unique<Catalogue>()) {}

Program::~Program() = default;

void Program::start() {
    form1_ = std::make_unique<TForm1>(*this);
    form1_->FormCreate();
    form1_->FormShow();
}

void Program::act(const std::function<void()>& action) { runUserAction(platform_, action); }

}  // namespace vexa

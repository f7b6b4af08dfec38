#include "windows/program.h"

#include "windows/design_window.h"
#include "windows/event_dispatch.h"

namespace vexa {

Program::Program(PlatformServices& platform, std::filesystem::path catalogueFile)
    : platform_(platform),
      catalogueFile_(std::move(catalogueFile)),
      catalogue_(std::make_unique<Catalogue>()) {}

Program::~Program() = default;

void Program::start() {
    createDesignWindow();
    showDesignWindow();
}

void Program::createDesignWindow() {
    form1_ = std::make_unique<TForm1>(*this);
    form1_->FormCreate();
}

void Program::showDesignWindow() { form1_->FormShow(); }

void Program::startWith(const Catalogue& loaded) {
    *catalogue_ = loaded;
    createDesignWindow();
    form1_->fillLists();
}

void Program::act(const std::function<void()>& action) { runUserAction(platform_, action); }

}  // namespace vexa

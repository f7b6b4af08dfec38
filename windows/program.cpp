#include "windows/program.h"

#include "windows/design_window.h"
#include "windows/event_dispatch.h"
#include "windows/notebook_window.h"
#include "windows/parametric_window.h"

namespace vexa {

Program::Program(PlatformServices& platform, std::filesystem::path catalogueFile)
    : platform_(platform), catalogueFile_(std::move(catalogueFile)), catalogue_(std::make_unique<Catalogue>()) {}

Program::~Program() = default;

void Program::start() {
    createDesignWindow();
    showDesignWindow();
}

void Program::createDesignWindow() {
    form1_ = std::make_unique<TForm1>(*this);
    form1_->FormCreate();
}

void Program::showDesignWindow() {
    form1_->FormShow();
    createOtherWindows();
}

void Program::createOtherWindows() {
    TForm1& f = *form1_;
    form3_ = std::make_unique<TForm3>(ParametricParts{f.Bqwe, f.Bimin, f.Button1, f.RadioGroup4, state_});
    f.setParametricLink(form3_.get());
    form2_ = newNotebookWindow();
}

void Program::startWith(const Catalogue& loaded) {
    *catalogue_ = loaded;
    createDesignWindow();
    form1_->fillLists();
    createOtherWindows();
}

std::unique_ptr<TForm2> Program::newNotebookWindow() {
    return std::make_unique<TForm2>(NotebookParts{form1_->Memo1, form1_->Bnazod, tw_, state_, platform_});
}

void Program::showNotebookWindow() {
    form2_ = newNotebookWindow();
    form2_->FormCreate();
    platform_.showModal(*form2_);
}

void Program::act(const std::function<void()>& action) {
    // What a fault half-way through a calculation could leave half-written.
    const DesignState state = state_;
    const opti_struct table = catalogue_->tabopti;
    runUserAction(platform_, action, [&] {
        state_ = state;
        catalogue_->tabopti = table;
    });
}

}  // namespace vexa

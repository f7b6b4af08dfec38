#pragma once

// The program started as main() starts it, on a scripted platform, with its
// real design window shown: the common ground of the Qt window tests.

#include <QString>
#include <memory>

#include "qt/design_window_view.h"
#include "toolkit/recording_platform.h"
#include "windows/program.h"

namespace vexa {

struct StartedDesignWindow {
    void start(const QString& catalogue) {
        platform = std::make_unique<RecordingPlatform>();
        program = std::make_unique<Program>(*platform, catalogue.toStdString());
        program->createDesignWindow();
        view = std::make_unique<DesignWindowView>(*program);
        view->show();
        program->showDesignWindow();
        view->refresh();
    }
    void stop() {
        view.reset();
        program.reset();
        platform.reset();
    }

    std::unique_ptr<RecordingPlatform> platform;
    std::unique_ptr<Program> program;
    std::unique_ptr<DesignWindowView> view;
};

}  // namespace vexa

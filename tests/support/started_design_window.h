#pragma once

// The program started as main() starts it, on a scripted platform, with its
// real design window shown: the common ground of the Qt window tests, with
// the user's actions on its widgets, found by their object names.

#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QtTest>
#include <memory>

#include "qt/design_window_view.h"
#include "support/recording_platform.h"
#include "windows/program.h"

namespace vexa {

// The child of `parent` named `name`; a test without it cannot go on.
template <typename Widget>
Widget* findWidget(const QWidget* parent, const char* name) {
    auto* widget = parent->findChild<Widget*>(name);
    if (!widget) qFatal("no widget %s", name);
    return widget;
}

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

    // A widget of the design window, or of `parent`.
    template <typename Widget>
    Widget* find(const char* name) const {
        return findWidget<Widget>(view.get(), name);
    }
    template <typename Widget>
    static Widget* find(const QWidget* parent, const char* name) {
        return findWidget<Widget>(parent, name);
    }
    // Replaces the text of a line edit of the design window key by key.
    void typeInto(const char* name, const QString& text) const {
        QLineEdit* edit = find<QLineEdit>(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void press(const char* button) const { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }

    std::unique_ptr<RecordingPlatform> platform;
    std::unique_ptr<Program> program;
    std::unique_ptr<DesignWindowView> view;
};

}  // namespace vexa

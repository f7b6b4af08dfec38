#pragma once

// The parametric window on the desktop: a fixed tool window over the design
// window, shown without blocking it, with one Qt widget per control of TForm3.
// It hides itself as soon as another window of the program becomes active.

#include <QWidget>

#include "qt/control_bindings.h"

class QWindow;

namespace vexa {

class Program;
class TForm3;

class ParametricWindowView : public QWidget {
    Q_OBJECT
public:
    // `refreshDesignWindow` runs after each of this window's actions, whose
    // calculations show their results in the design window.
    ParametricWindowView(Program& program, TForm3& form, QWidget* designWindow,
                         std::function<void()> refreshDesignWindow);

    void refresh() { bindings_.refresh(); }

protected:
    // The frame's close control hides the window with no reaction.
    void closeEvent(QCloseEvent* event) override;

private:
    void focusMovedTo(QWindow* window);

    Program& program_;
    TForm3& form_;
    ControlBindings bindings_;
    // A box (an error, say) opened over this window and has not given the
    // focus back yet.
    bool boxOpenedOverThis_ = false;
};

}  // namespace vexa

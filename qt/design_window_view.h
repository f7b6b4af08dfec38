#pragma once

// The design window on the desktop: one Qt widget per control of TForm1, at
// the window's positions, with its colours, fonts and tab order.

#include <QWidget>

#include "qt/control_bindings.h"

namespace vexa {

class ParametricWindowView;
class Program;
class TForm1;

class DesignWindowView : public QWidget {
    Q_OBJECT
public:
    explicit DesignWindowView(Program& program, QWidget* parent = nullptr);

    // Copies every control model into its widget, here and in the
    // parametric window, which is built once the program has created it.
    void refresh();

protected:
    // Enter anywhere presses "Oblicz", the default button, unless the focus
    // is on another button, which Enter then presses.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildInputPanel(QWidget* panel);
    void buildResultPanel(QWidget* panel);
    void buildButtons();
    void setTabOrder();

    Program& program_;
    TForm1& form_;
    ControlBindings bindings_;
    ParametricWindowView* parametric_ = nullptr;  // a child tool window
};

}  // namespace vexa

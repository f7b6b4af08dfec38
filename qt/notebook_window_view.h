#pragma once

// The notebook window on the desktop: a fixed modal dialog with one Qt widget
// per control of TForm2.

#include <QDialog>

#include "qt/control_bindings.h"

namespace vexa {

class Program;
class TForm2;

class NotebookWindowView : public QDialog {
    Q_OBJECT
public:
    NotebookWindowView(Program& program, TForm2& form, QWidget* parent = nullptr);

    void refresh() { bindings_.refresh(); }

public slots:
    // The frame's close control and Escape close the window with no reaction.
    void reject() override;

protected:
    // The notebook scrolls to its end once it shows.
    void showEvent(QShowEvent* event) override;

private:
    Program& program_;
    TForm2& form_;
    ControlBindings bindings_;
};

}  // namespace vexa

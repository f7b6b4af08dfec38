#pragma once

// Real widgets bound to the control models. Data flows one way: refresh()
// copies every model into its widget with the widget's signals blocked; a
// user action on a widget enters the model through its user entry point,
// inside the program's event dispatch, and is followed by a refresh.

#include <QColor>
#include <QFont>
#include <functional>
#include <vector>

#include "toolkit/controls.h"

class QComboBox;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QWidget;

namespace vexa {

class RadioGroupBox;

class ControlBindings {
public:
    // `act` runs one user action through the event dispatch.
    explicit ControlBindings(std::function<void(const std::function<void()>&)> act);

    QFrame* panel(QWidget* parent, const Panel& model, const char* name, const QColor& colour);
    QLabel* label(QWidget* parent, const Label& model, const char* name, const QColor& background, const QFont& font,
                  const QColor& text = Qt::black);
    QLineEdit* edit(QWidget* parent, EditField& model, const char* name, bool inTabOrder);
    QComboBox* combo(QWidget* parent, ComboBox& model, const char* name, int visibleRows);
    RadioGroupBox* radioGroup(QWidget* parent, RadioGroup& model, const char* name);
    QPushButton* button(QWidget* parent, Button& model, const char* name);
    QPlainTextEdit* memo(QWidget* parent, const Memo& model, const char* name);
    // A horizontal slider without tick marks; every key press moves it one
    // position, and a click on its track puts it where the click was.
    QSlider* slider(QWidget* parent, Slider& model, const char* name);
    // A modal window: it closes as soon as its model is closed. The frame's
    // close control and Escape are the view's to pass on (Form::userClose).
    void modalWindow(QDialog* dialog, const Form& model);
    // A window shown without blocking: it shows, centred and active, when its
    // model becomes visible and hides when the model does.
    void modelessWindow(QWidget* window, const Form& model);

    void refresh();

private:
    void userAction(const std::function<void()>& action);

    std::function<void(const std::function<void()>&)> act_;
    std::vector<std::function<void()>> refreshers_;
};

}  // namespace vexa

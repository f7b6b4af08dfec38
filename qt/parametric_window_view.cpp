#include "qt/parametric_window_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QWindow>

#include "qt/skin.h"
#include "windows/parametric_window.h"
#include "windows/program.h"

namespace vexa {

ParametricWindowView::ParametricWindowView(Program& program, TForm3& form, QWidget* designWindow,
                                           std::function<void()> refreshDesignWindow)
    : QWidget(designWindow, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      program_(program),
      form_(form),
      bindings_([&program, refreshDesignWindow](const std::function<void()>& action) {
          program.act(action);
          refreshDesignWindow();
      }) {
    setObjectName("Form3");
    bindings_.modelessWindow(this, form);
    const QFont font = skin::windowFont();

    QFrame* notice = bindings_.panel(this, form.Panel3, "Panel3", Qt::red);
    QFont noticeFont = font;
    noticeFont.setPixelSize(13);
    bindings_.label(notice, form.Label3, "Label3", Qt::red, noticeFont);
    bindings_.radioGroup(this, form.RadioGroup1, "RadioGroup1");
    bindings_.label(this, form.Label1, "Label1", QColor(), font);
    bindings_.edit(this, form.Edit1, "Edit1", true);
    bindings_.slider(bindings_.panel(this, form.Panel1, "Panel1", skin::kButtonFace), form.TB1, "TB1");
    bindings_.button(this, form.Oblicz, "Oblicz");
    bindings_.radioGroup(this, form.RadioGroup2, "RadioGroup2");
    bindings_.label(this, form.Label2, "Label2", QColor(), font);
    bindings_.edit(this, form.Edit2, "Edit2", true);
    bindings_.slider(bindings_.panel(this, form.Panel2, "Panel2", skin::kButtonFace), form.TB2, "TB2");
    bindings_.radioGroup(this, form.RadioGroup3, "RadioGroup3");

    connect(qApp, &QGuiApplication::focusWindowChanged, this, &ParametricWindowView::focusMovedTo);
    // Once the user has gone to another program, the focus that comes back is the user's choice.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive) boxOpenedOverThis_ = false;
    });
    refresh();
}

void ParametricWindowView::focusMovedTo(QWindow* window) {
    // A box opened over this window does not count; another window of the
    // program does, the design window above all.
    if (!form_.Visible || !window) return;
    if (window == windowHandle()) {
        boxOpenedOverThis_ = false;
        return;
    }
    if (window->transientParent() == windowHandle()) {
        boxOpenedOverThis_ = true;
        return;
    }
    if (QApplication::activeModalWidget()) return;
    if (boxOpenedOverThis_) {
        // The box has closed and the window manager handed the focus on to
        // another window of the program; the user was working here.
        boxOpenedOverThis_ = false;
        activateWindow();
        return;
    }
    program_.act([this] { form_.FormDeactivate(); });
    refresh();
}

void ParametricWindowView::closeEvent(QCloseEvent* event) {
    program_.act([this] { form_.userClose(); });
    refresh();
    event->accept();
}

}  // namespace vexa

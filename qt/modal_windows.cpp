#include "qt/modal_windows.h"

#include <QGuiApplication>
#include <QScreen>

#include "qt/notebook_window_view.h"
#include "windows/notebook_window.h"
#include "windows/program.h"

namespace vexa {

void runModalWindow(Program& program, Form& window, QWidget* parent) {
    if (&window != &program.Form2()) return;  // the notebook window is the only modal one
    NotebookWindowView view(program, program.Form2(), parent);
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    view.move(screen->availableGeometry().center() - view.rect().center());
    view.exec();
}

}  // namespace vexa

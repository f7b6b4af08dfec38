#include "qt/notebook_window_view.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "qt/skin.h"
#include "windows/notebook_window.h"
#include "windows/program.h"

namespace vexa {

NotebookWindowView::NotebookWindowView(Program& program, TForm2& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      program_(program),
      form_(form),
      bindings_([&program](const std::function<void()>& action) { program.act(action); }) {
    setObjectName("Form2");
    setModal(true);
    bindings_.modalWindow(this, form);

    // Created in the tab order.
    QPlainTextEdit* notebook = bindings_.memo(this, form.bmem, "bmem");
    notebook->setFont(skin::windowFont());
    QPalette black = notebook->palette();
    black.setColor(QPalette::Text, Qt::black);
    notebook->setPalette(black);
    bindings_.button(this, form.TabPrint, "TabPrint");
    bindings_.button(this, form.TabSave, "TabSave");
    bindings_.memo(this, form.Memo1, "Memo1");
    bindings_.button(this, form.Wydruk, "Wydruk");
    bindings_.button(this, form.Zapisz, "Zapisz");
    bindings_.button(this, form.Memzer, "Memzer");
    bindings_.button(this, form.Powrot, "Powrot");
    refresh();
}

void NotebookWindowView::reject() {
    program_.act([this] { form_.userClose(); });
    QDialog::reject();
}

void NotebookWindowView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    refresh();
}

}  // namespace vexa

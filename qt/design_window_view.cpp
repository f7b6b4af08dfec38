#include "qt/design_window_view.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "qt/parametric_window_view.h"
#include "qt/radio_group_box.h"
#include "qt/skin.h"
#include "windows/design_window.h"
#include "windows/program.h"

namespace vexa {

DesignWindowView::DesignWindowView(Program& program, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      program_(program),
      form_(program.Form1()),
      bindings_([this](const std::function<void()>& action) {
          program_.act(action);
          // Calculations and the local losses show in the parametric window too.
          if (parametric_) parametric_->refresh();
      }) {
    setObjectName("Form1");
    setWindowTitle(QString::fromStdString(form_.Caption));
    setWindowIcon(QIcon(":/vexa/vexa-icon.png"));
    setFixedSize(672, 520);
    QPalette background = palette();
    background.setColor(QPalette::Window, skin::kNavy);
    setPalette(background);
    setAutoFillBackground(true);

    buildInputPanel(bindings_.panel(this, form_.Panel1, "Panel1", skin::kButtonFace));
    buildResultPanel(bindings_.panel(this, form_.Panel2, "Panel2", skin::kSilver));

    QFrame* picturePanel = bindings_.panel(this, form_.Panel3, "Panel3", skin::kButtonFace);
    auto* picture = new QLabel(picturePanel);
    picture->setObjectName("Image1");
    picture->setPixmap(QPixmap(":/vexa/vexa-banner.png"));
    picture->setScaledContents(true);
    picture->setGeometry(picturePanel->contentsRect());

    buildButtons();
    setTabOrder();
    refresh();
}

void DesignWindowView::buildInputPanel(QWidget* panel) {
    const QColor info = skin::infoBackground();
    const QFont font = skin::windowFont();
    TForm1& f = form_;
    bindings_.label(panel, f.Label3, "Label3", skin::kYellow, skin::headingFont(), skin::kNavy);
    bindings_.radioGroup(panel, f.RadioGroup1, "RadioGroup1");
    bindings_.radioGroup(panel, f.RadioGroup4, "RadioGroup4");
    bindings_.label(panel, f.Label7, "Label7", info, font);
    bindings_.combo(panel, f.Combo_Typ, "Combo_Typ", 22);
    bindings_.label(panel, f.Label9, "Label9", info, font);
    bindings_.combo(panel, f.ComboSred, "ComboSred", 17);
    bindings_.label(panel, f.LabelSDR, "LabelSDR", QColor(), font);
    bindings_.combo(panel, f.ComboSDR, "ComboSDR", 7);
    bindings_.label(panel, f.Label12, "Label12", info, font);
    bindings_.edit(panel, f.Bqwe, "Bqwe", true);
    bindings_.label(panel, f.Label10, "Label10", info, font);
    bindings_.edit(panel, f.Bimin, "Bimin", true);
    bindings_.radioGroup(panel, f.RadioGroup2, "RadioGroup2");
    // Placed over the gaps of the radio item texts, so created after them.
    bindings_.edit(panel, f.Bistart, "Bistart", true);
    bindings_.edit(panel, f.Bistop, "Bistop", true);
    bindings_.radioGroup(panel, f.RadioGroup3, "RadioGroup3");
    bindings_.edit(panel, f.Bwyp, "Bwyp", true);
}

void DesignWindowView::buildResultPanel(QWidget* panel) {
    const QColor info = skin::infoBackground();
    const QFont font = skin::windowFont();
    TForm1& f = form_;
    bindings_.label(panel, f.Label1, "Label1", skin::kLime, skin::headingFont(), skin::kNavy);
    const struct {
        Label& label;
        const char* labelName;
        EditField& field;
        const char* fieldName;
    } rows[] = {
        {f.Label2, "Label2", f.Bd, "Bd"},           {f.Label6, "Label6", f.Bnrkat, "Bnrkat"},
        {f.Label16, "Label16", f.Bkl, "Bkl"},       {f.Label5, "Label5", f.Bk, "Bk"},
        {f.Label17, "Label17", f.Bi, "Bi"},         {f.Label14, "Label14", f.Bh, "Bh"},
        {f.Label4, "Label4", f.Br, "Br"},           {f.Label11, "Label11", f.Bv, "Bv"},
        {f.Label13, "Label13", f.Bws, "Bws"},       {f.Label15, "Label15", f.Bwp, "Bwp"},
        {f.Label18, "Label18", f.Bnazod, "Bnazod"},
    };
    for (const auto& row : rows) {
        bindings_.label(panel, row.label, row.labelName, info, font);
        bindings_.edit(panel, row.field, row.fieldName, false);
    }
}

void DesignWindowView::buildButtons() {
    TForm1& f = form_;
    bindings_.button(this, f.Notatnik, "Notatnik");
    bindings_.button(this, f.Zapisz, "Zapisz");
    bindings_.button(this, f.Flow, "Flow");
    bindings_.button(this, f.Button1, "Button1")->setDefault(true);
    bindings_.button(this, f.Button2, "Button2");
}

void DesignWindowView::setTabOrder() {
    QList<QWidget*> chain;
    const auto add = [&](const char* name) {
        if (auto* widget = findChild<QWidget*>(name)) chain << widget;
    };
    const auto addGroup = [&](const char* name) {
        if (auto* group = findChild<RadioGroupBox*>(name))
            for (int item = 0; item < group->count(); ++item) chain << group->button(item);
    };
    add("Combo_Typ");
    add("ComboSred");
    add("ComboSDR");
    add("Bqwe");
    add("Bimin");
    addGroup("RadioGroup1");
    addGroup("RadioGroup2");
    add("Bistart");
    add("Bistop");
    addGroup("RadioGroup3");
    add("Bwyp");
    addGroup("RadioGroup4");
    for (const char* name : {"Button1", "Zapisz", "Notatnik", "Button2", "Flow"}) add(name);
    for (int n = 1; n < chain.size(); ++n) QWidget::setTabOrder(chain[n - 1], chain[n]);
}

void DesignWindowView::refresh() {
    bindings_.refresh();
    if (!parametric_ && program_.hasOtherWindows())
        parametric_ = new ParametricWindowView(program_, program_.Form3(), this, [this] { bindings_.refresh(); });
    if (parametric_) parametric_->refresh();
}

void DesignWindowView::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    (focused ? focused : findChild<QPushButton*>("Button1"))->click();
}

}  // namespace vexa

#include "qt/control_bindings.h"

#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>

#include "qt/radio_group_box.h"

namespace vexa {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

void place(QWidget* widget, const Bounds& bounds) {
    widget->setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
}

void fill(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A click on a slider's track puts the slider there, so that one click makes
// a step as large as the user means rather than one position.
class JumpToClickStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == QStyle::SH_Slider_AbsoluteSetButtons) return Qt::LeftButton;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

}  // namespace

ControlBindings::ControlBindings(std::function<void(const std::function<void()>&)> act) : act_(std::move(act)) {}

void ControlBindings::userAction(const std::function<void()>& action) {
    act_(action);
    refresh();
}

void ControlBindings::refresh() {
    for (const auto& refresher : refreshers_) refresher();
}

QFrame* ControlBindings::panel(QWidget* parent, const Panel& model, const char* name, const QColor& colour) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(2);
    fill(frame, colour);
    place(frame, model.bounds);
    refreshers_.push_back([frame, &model] { frame->setVisible(model.Visible); });
    return frame;
}

QLabel* ControlBindings::label(QWidget* parent, const Label& model, const char* name, const QColor& background,
                               const QFont& font, const QColor& textColour) {
    auto* widget = new QLabel(parent);
    widget->setObjectName(name);
    widget->setFont(font);
    widget->setTextFormat(Qt::PlainText);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, textColour);
    widget->setPalette(palette);
    if (background.isValid()) fill(widget, background);
    refreshers_.push_back([widget, &model] {
        const QString caption = text(model.Caption);
        if (widget->text() != caption) {
            widget->setText(caption);
            // The strip is as wide as the caption, trailing blanks included.
            const QFontMetrics metrics(widget->font());
            widget->setGeometry(model.bounds.left, model.bounds.top, metrics.horizontalAdvance(caption),
                                metrics.height());
        }
        widget->setVisible(model.Visible);
    });
    return widget;
}

QLineEdit* ControlBindings::edit(QWidget* parent, EditField& model, const char* name, bool inTabOrder) {
    auto* widget = new QLineEdit(parent);
    widget->setObjectName(name);
    place(widget, model.bounds);
    widget->setReadOnly(model.ReadOnly);
    if (!inTabOrder) widget->setFocusPolicy(model.ReadOnly ? Qt::NoFocus : Qt::ClickFocus);
    QObject::connect(widget, &QLineEdit::textEdited, widget, [this, &model](const QString& typed) {
        userAction([&model, typed] { model.userType(typed.toStdString()); });
    });
    refreshers_.push_back([widget, &model] {
        const QSignalBlocker blocker(widget);
        const QString shown = text(model.Text);
        if (widget->text() != shown) widget->setText(shown);
        widget->setVisible(model.Visible);
    });
    return widget;
}

QComboBox* ControlBindings::combo(QWidget* parent, ComboBox& model, const char* name, int visibleRows) {
    auto* widget = new QComboBox(parent);
    widget->setObjectName(name);
    widget->setMaxVisibleItems(visibleRows);
    place(widget, model.bounds);
    QObject::connect(widget, &QComboBox::activated, widget,
                     [this, &model](int index) { userAction([&model, index] { model.userSelect(index); }); });
    refreshers_.push_back([widget, &model] {
        const QSignalBlocker blocker(widget);
        bool same = widget->count() == model.Count();
        for (int n = 0; same && n < model.Count(); ++n) same = widget->itemText(n) == text(model.Items[n]);
        if (!same) {
            widget->clear();
            for (const auto& item : model.Items) widget->addItem(text(item));
        }
        widget->setCurrentIndex(model.ItemIndex());
        widget->setVisible(model.Visible);
    });
    return widget;
}

RadioGroupBox* ControlBindings::radioGroup(QWidget* parent, RadioGroup& model, const char* name) {
    auto* widget = new RadioGroupBox(static_cast<int>(model.Items.size()), model.Columns, parent);
    widget->setObjectName(name);
    place(widget, model.bounds);
    QObject::connect(widget, &RadioGroupBox::itemClicked, widget,
                     [this, &model](int item) { userAction([&model, item] { model.userSelect(item); }); });
    refreshers_.push_back([widget, &model] {
        widget->setTitle(text(model.Caption));
        for (int item = 0; item < widget->count(); ++item) widget->button(item)->setText(text(model.Items.at(item)));
        widget->setCheckedItem(model.ItemIndex());
        widget->setVisible(model.Visible);
    });
    return widget;
}

QPushButton* ControlBindings::button(QWidget* parent, Button& model, const char* name) {
    auto* widget = new QPushButton(text(model.Caption), parent);
    widget->setObjectName(name);
    widget->setToolTip(text(model.Hint));
    place(widget, model.bounds);
    QObject::connect(widget, &QPushButton::clicked, widget,
                     [this, &model] { userAction([&model] { model.userClick(); }); });
    refreshers_.push_back([widget, &model] {
        widget->setText(text(model.Caption));
        widget->setEnabled(model.Enabled);
        widget->setVisible(model.Visible);
    });
    return widget;
}

QPlainTextEdit* ControlBindings::memo(QWidget* parent, const Memo& model, const char* name) {
    auto* widget = new QPlainTextEdit(parent);
    widget->setObjectName(name);
    place(widget, model.bounds);
    widget->setReadOnly(model.ReadOnly);
    widget->setLineWrapMode(QPlainTextEdit::NoWrap);
    widget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    widget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    widget->setTabChangesFocus(true);
    refreshers_.push_back([widget, &model, shownLines = std::vector<std::string>(), scrolled = 0]() mutable {
        if (shownLines != model.Lines) {
            QStringList lines;
            for (const auto& line : model.Lines) lines << text(line);
            widget->setPlainText(lines.join('\n'));
            shownLines = model.Lines;
        }
        widget->setVisible(model.Visible);
        // How long a page is, the widget knows only once it shows.
        if (!widget->isVisible()) return;
        for (; scrolled < model.pagesScrolledDown(); ++scrolled)
            widget->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    });
    return widget;
}

QSlider* ControlBindings::slider(QWidget* parent, Slider& model, const char* name) {
    auto* widget = new QSlider(Qt::Horizontal, parent);
    widget->setObjectName(name);
    place(widget, model.bounds);
    widget->setTickPosition(QSlider::NoTicks);
    widget->setSingleStep(1);
    widget->setPageStep(1);
    auto* style = new JumpToClickStyle;
    style->setParent(widget);
    widget->setStyle(style);
    QObject::connect(widget, &QSlider::valueChanged, widget,
                     [this, &model](int position) { userAction([&model, position] { model.userMove(position); }); });
    refreshers_.push_back([widget, &model] {
        const QSignalBlocker blocker(widget);
        widget->setRange(model.Min(), model.Max());
        widget->setValue(model.Position());
    });
    return widget;
}

void ControlBindings::modelessWindow(QWidget* window, const Form& model) {
    window->setWindowTitle(text(model.Caption));
    window->setFixedSize(model.ClientWidth, model.ClientHeight);
    refreshers_.push_back([window, &model] {
        if (model.Visible == window->isVisible()) return;
        if (!model.Visible) return window->hide();
        const QRect screen = window->screen()->availableGeometry();
        window->move(screen.center() - window->rect().center());
        window->show();
        window->raise();
        window->activateWindow();
    });
}

void ControlBindings::modalWindow(QDialog* dialog, const Form& model) {
    dialog->setWindowTitle(text(model.Caption));
    dialog->setFixedSize(model.ClientWidth, model.ClientHeight);
    refreshers_.push_back([dialog, &model] {
        if (!model.Visible && dialog->isVisible()) dialog->accept();
    });
}

}  // namespace vexa

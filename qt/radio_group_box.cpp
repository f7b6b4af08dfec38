#include "qt/radio_group_box.h"

#include <QButtonGroup>
#include <QResizeEvent>

namespace vexa {
namespace {
constexpr int kCaptionHeight = 13;  // text height of the designed font
}

RadioGroupBox::RadioGroupBox(int items, int columns, QWidget* parent)
    : QGroupBox(parent), group_(new QButtonGroup(this)), columns_(std::max(columns, 1)) {
    for (int item = 0; item < items; ++item) {
        auto* button = new QRadioButton(this);
        group_->addButton(button, item);
        buttons_.push_back(button);
        connect(button, &QRadioButton::clicked, this, [this, item] { emit itemClicked(item); });
    }
    updateTabStop();
}

void RadioGroupBox::setCheckedItem(int item) {
    if (group_->checkedId() != item) {
        // An exclusive group cannot uncheck its last button.
        group_->setExclusive(false);
        for (int n = 0; n < count(); ++n) buttons_[n]->setChecked(n == item);
        group_->setExclusive(true);
    }
    updateTabStop();
}

// Tab stops at the checked item only (the first while none is checked); the
// arrow keys then move the check within the group, as Qt does for the
// buttons of an exclusive group whatever their focus policy.
void RadioGroupBox::updateTabStop() {
    const int stop = std::max(group_->checkedId(), 0);
    for (int n = 0; n < count(); ++n) buttons_[n]->setFocusPolicy(n == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void RadioGroupBox::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    arrange();
}

void RadioGroupBox::arrange() {
    if (buttons_.empty()) return;
    const int count = static_cast<int>(buttons_.size());
    const int perColumn = (count + columns_ - 1) / columns_;
    const int buttonWidth = (width() - 10) / columns_;
    const int free = height() - kCaptionHeight - 5;
    const int buttonHeight = free / perColumn;
    const int topMargin = kCaptionHeight + 1 + (free % perColumn) / 2;
    for (int item = 0; item < count; ++item) {
        buttons_[item]->setGeometry((item / perColumn) * buttonWidth + 8, (item % perColumn) * buttonHeight + topMargin,
                                    buttonWidth, buttonHeight);
    }
}

}  // namespace vexa

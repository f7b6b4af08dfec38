#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <vector>

namespace vexa {

// A captioned group of radio buttons laid out as the windows were designed:
// the items share the height below the caption evenly, column by column, so
// that the edit fields placed beside item texts line up with them. Tab
// enters the group at its checked item; the arrow keys move the check.
class RadioGroupBox : public QGroupBox {
    Q_OBJECT
public:
    RadioGroupBox(int items, int columns, QWidget* parent);

    QRadioButton* button(int item) const { return buttons_.at(item); }
    // Checks the item (none for -1) without emitting itemClicked.
    void setCheckedItem(int item);
    int count() const { return static_cast<int>(buttons_.size()); }

signals:
    void itemClicked(int item);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrange();
    void updateTabStop();

    QButtonGroup* group_;
    std::vector<QRadioButton*> buttons_;
    int columns_;
};

}  // namespace vexa

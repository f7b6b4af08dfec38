#include "toolkit/controls.h"

#include <algorithm>

#include "toolkit/cp1250.h"
#include "toolkit/text.h"

namespace vexa {
namespace {

void run(const Reaction& reaction) {
    if (reaction) reaction();
}

}  // namespace

void EditField::userType(const std::string& text) {
    std::string accepted;
    for (const char32_t character : text::toUtf32(text)) {
        if (!text::isControl(character) && cp1250::byteFor(character)) text::appendUtf8(accepted, character);
    }
    if (accepted == Text) return;
    Text = std::move(accepted);
    run(OnChange);
}

void ComboBox::setItemIndex(int index) { itemIndex_ = index >= 0 && index < Count() ? index : -1; }

void ComboBox::Clear() {
    Items.clear();
    itemIndex_ = -1;
}

std::string ComboBox::Text() const { return itemIndex_ >= 0 ? Items[itemIndex_] : std::string(); }

void ComboBox::userSelect(int index) {
    setItemIndex(index);
    run(OnChange);
}

void RadioGroup::setItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(Items.size())) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    run(OnClick);
}

void Slider::setPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_) return;
    position_ = position;
    run(OnChange);
}

void Slider::setMin(int min) {
    min_ = min;
    max_ = std::max(max_, min_);
    setPosition(position_);
}

void Slider::setMax(int max) {
    max_ = max;
    min_ = std::min(min_, max_);
    setPosition(position_);
}

void Memo::Add(std::string_view text) {
    for (;;) {
        const auto lineBreak = text.find("\r\n");
        Lines.emplace_back(text.substr(0, lineBreak));
        if (lineBreak == std::string_view::npos) return;
        text.remove_prefix(lineBreak + 2);
    }
}

void Button::Click() {
    if (Enabled) run(OnClick);
}

}  // namespace vexa

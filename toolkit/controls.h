#pragma once

// Models of the window controls, with the toolkit's event rules implemented
// once for everybody:
//  - a drop-down list whose selection is set from code runs no change
//    reaction; a selection made by the user runs it;
//  - a radio group runs its click reaction when, and only when, its selection
//    changes, by the user or from code;
//  - a slider runs its change reaction whenever its position changes, by the
//    user, by code or by new bounds that clamp it; the same value runs nothing;
//  - an edit field runs its change reaction when the user's text changes it;
//    text set from code runs nothing.
// Each control has one user entry point (userType, userSelect, userMove,
// userClick) through which a skin or a test acts as the user would.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

using Reaction = std::function<void()>;

// Position and size in pixels within the parent (labels: left and top only).
struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Label {
    std::string Caption;
    bool Visible = true;
    Bounds bounds;
};

struct Panel {
    bool Visible = true;
    Bounds bounds;
};

class EditField {
public:
    std::string Text;
    bool Visible = true;
    bool ReadOnly = false;
    Bounds bounds;
    Reaction OnChange;  // runs when the user's text changes the field's

    void Clear() { Text.clear(); }
    // The user's text replaces the field's. Characters that code page 1250
    // cannot hold are not taken, so nothing typed is lost when it is saved,
    // and neither are control characters (a pasted line break, a tab): the
    // field holds one line.
    void userType(const std::string& text);
};

class ComboBox {
public:
    std::vector<std::string> Items;
    bool Visible = true;
    Bounds bounds;
    Reaction OnChange;

    int ItemIndex() const { return itemIndex_; }
    // From code: no reaction. An index outside the items selects nothing.
    void setItemIndex(int index);
    int Count() const { return static_cast<int>(Items.size()); }
    void Clear();
    void Add(std::string item) { Items.push_back(std::move(item)); }
    // The text of the selected item; empty with no selection.
    std::string Text() const;

    // The user picks an item: the change reaction runs.
    void userSelect(int index);

private:
    int itemIndex_ = -1;
};

class RadioGroup {
public:
    std::string Caption;
    std::vector<std::string> Items;
    int Columns = 1;
    bool Visible = true;
    Bounds bounds;
    Reaction OnClick;

    int ItemIndex() const { return itemIndex_; }
    // From code or by the user: the click reaction runs only on a change.
    void setItemIndex(int index);
    void userSelect(int index) { setItemIndex(index); }

private:
    int itemIndex_ = -1;
};

class Slider {
public:
    Bounds bounds;
    Reaction OnChange;

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    // Each runs the change reaction when the (clamped) position changes.
    void setPosition(int position);
    void setMin(int min);
    void setMax(int max);
    void userMove(int position) { setPosition(position); }

private:
    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
};

class Memo {
public:
    std::vector<std::string> Lines;
    bool Visible = true;
    bool ReadOnly = false;
    Bounds bounds;

    void Clear() { Lines.clear(); }
    // Adds text as the control does: every CR LF in it starts a new line.
    void Add(std::string_view text);
    // Scrolls down by one page. How long a page is, the skin knows; the model
    // counts the pages so that the skin can scroll them when it shows.
    void scrollPageDown() { ++pagesScrolledDown_; }
    int pagesScrolledDown() const { return pagesScrolledDown_; }

private:
    int pagesScrolledDown_ = 0;
};

class Button {
public:
    std::string Caption;
    std::string Hint;
    bool Visible = true;
    bool Enabled = true;
    Bounds bounds;
    Reaction OnClick;

    // Pressing the button, by the user or from code.
    void Click();
    void userClick() { Click(); }
};

// A window. How it is shown (normally or modally) is the platform's business;
// while it is shown it is Visible. Close() ends the showing, and the frame's
// close control (userClose) does the same, without any reaction of its own.
class Form {
public:
    std::string Caption;
    int ClientWidth = 0;
    int ClientHeight = 0;
    bool Visible = false;

    void Close() { Visible = false; }
    void userClose() { Close(); }
};

}  // namespace vexa

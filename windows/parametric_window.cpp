#include "windows/parametric_window.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "toolkit/numbers.h"

namespace vexa {
namespace {

struct Range {
    int min, max;   // slider bounds
    extended step;  // flow per position [l/s]
    const char* startText;
};

// Flow ranges by the item of RadioGroup1; the lowest starts at 1,5 l/s.
constexpr Range kFlowRanges[] = {{15, 1000, 0.1L, "1,5"}, {20, 200, 5, "100"}, {20, 300, 50, "1000"}};
// Slope ranges by the item of RadioGroup2, in 0,1 per mille.
constexpr Range kSlopeRanges[] = {{6, 100, 0.1L, "0,6"}, {100, 500, 0.1L, "10,0"}};

int flowRangeItem(extended Q) { return Q < 100 ? 0 : Q <= 1000 ? 1 : 2; }

// Trunc of a slider position; a value beyond any position goes to the
// nearer end, which the slider then clamps into its bounds.
int truncatedPosition(extended x) {
    if (x >= static_cast<extended>(INT_MAX)) return INT_MAX;
    if (x <= static_cast<extended>(INT_MIN)) return INT_MIN;
    return static_cast<int>(std::trunc(x));
}

int flowPosition(extended Q) {
    switch (flowRangeItem(Q)) {
        case 0:
            return truncatedPosition(Q * 10);
        case 1:
            return truncatedPosition(Q / 5);
        default:
            return truncatedPosition(Q / 50);
    }
}

// The one-decimal form with the comma ("2,5", "10,0").
std::string oneDecimal(extended x) { return formatFixed(x, 15, 1); }

// Holds a flag for the length of a scope, also when the scope ends by a throw.
class FlagHeld {
public:
    explicit FlagHeld(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagHeld() { flag_ = false; }
    FlagHeld(const FlagHeld&) = delete;
    FlagHeld& operator=(const FlagHeld&) = delete;

private:
    bool& flag_;
};

}  // namespace

TForm3::TForm3(ParametricParts parts) : parts_(parts) {
    layOut();
    TB1.OnChange = [this] { TB1Change(); };
    TB2.OnChange = [this] { TB1Change(); };
    RadioGroup1.OnClick = [this] { RadioGroup1Click(); };
    RadioGroup2.OnClick = [this] { RadioGroup2Click(); };
    RadioGroup3.OnClick = [this] { RadioGroup3Click(); };
    Oblicz.OnClick = [this] { ObliczClick(); };
}

void TForm3::layOut() {
    Caption = std::string(24, ' ') + "Parametryczny dobór rury";
    ClientWidth = 334;
    ClientHeight = 326;
    Panel3.bounds = {24, 16, 145, 33};
    Label3.bounds = {8, 8, 0, 0};
    Label3.Caption = "Przekroczono limity !";
    RadioGroup1.bounds = {184, 8, 137, 89};
    RadioGroup1.Caption = "Zakres Q [l/s]";
    RadioGroup1.Items = {"od       2  do     100", "od   100  do   1000", "od 1000  do 15000"};
    RadioGroup1.setItemIndex(0);
    Label1.bounds = {16, 73, 0, 0};
    Label1.Caption = "Przepływ Q [l/s]";
    Edit1.bounds = {104, 69, 57, 21};
    Panel1.bounds = {16, 104, 305, 37};
    TB1.bounds = {8, 8, 289, 25};
    TB1.setMax(100);
    TB1.setMin(2);
    TB1.setPosition(2);
    Oblicz.bounds = {16, 152, 57, 25};
    Oblicz.Caption = "Oblicz";
    RadioGroup2.bounds = {184, 152, 137, 65};
    RadioGroup2.Caption = "Zakres i [‰]";
    RadioGroup2.Items = {"od   0,6 do 10,0", "od 10,0 do 50,0"};
    RadioGroup2.setItemIndex(0);
    Label2.bounds = {24, 196, 0, 0};
    Label2.Caption = "Spadek [‰]";
    Edit2.bounds = {104, 192, 57, 21};
    Panel2.bounds = {16, 229, 305, 37};
    TB2.bounds = {8, 8, 289, 25};
    TB2.setMax(100);
    TB2.setMin(6);
    TB2.setPosition(10);
    RadioGroup3.bounds = {16, 280, 305, 33};
    RadioGroup3.Caption = "Opory miejscowe";
    RadioGroup3.Items = {"małe", "duże"};
    RadioGroup3.Columns = 2;
    RadioGroup3.setItemIndex(0);
}

// The slider reaction also runs when the show and compute reactions set the
// sliders from the typed flow and slope. Run then, it would write the slider
// positions back over the slope still to be read (the typed Edit2, or the
// design window's Bimin at showing), clear `manual` in between and start a
// calculation with every move. Held back there, one show or one "Oblicz"
// computes once, with the texts the user gave.
void TForm3::TB1Change() {
    if (placingSliders_) return;
    ++sliderReactions_;
    manual = false;
    const extended Q = TB1.Position() * q_multi;
    Edit1.Text = formatGeneral(Q);
    parts_.Bqwe.Text = Edit1.Text;
    const extended i = TB2.Position() * 0.1L;
    Edit2.Text = oneDecimal(i);
    parts_.Bimin.Text = Edit2.Text;
    parts_.state.do_flow = true;
    parts_.Button1.Click();
}

void TForm3::setFlowSlider(int item, extended Q) {
    const Range& range = kFlowRanges[item];
    const int position = flowPosition(Q);
    TB1.setPosition(TB1.Min());
    TB1.setMax(range.max);
    TB1.setMin(range.min);
    TB1.setPosition(position);
}

void TForm3::setSlopeSlider(extended i) {
    const int item = i > 10 ? 1 : 0;
    const int position = truncatedPosition(i * 10);
    RadioGroup2.setItemIndex(item);
    TB2.setMax(kSlopeRanges[item].max);
    TB2.setMin(kSlopeRanges[item].min);
    TB2.setPosition(position);
}

void TForm3::show() {
    if (Visible) return;
    Visible = true;
    FormShow();
}

void TForm3::FormShow() {
    Panel3.Visible = false;
    Label3.Visible = false;
    {
        const FlagHeld manualChoice(manual);
        const FlagHeld placing(placingSliders_);
        const extended Q = parseNumber(parts_.Bqwe.Text);
        const int item = flowRangeItem(Q);
        q_multi = kFlowRanges[item].step;
        setFlowSlider(item, Q);
        Edit1.Text = Q < 100 ? withDecimalPoint(oneDecimal(Q)) : formatFixed(Q, 15, 0);
        RadioGroup1.setItemIndex(item);
        const extended i = parseNumber(parts_.Bimin.Text);
        Edit2.Text = oneDecimal(i);
        setSlopeSlider(i);
    }
    parts_.Button1.Click();
    RadioGroup3.setItemIndex(parts_.RadioGroup4.ItemIndex());
}

// `manual` ends with the reaction, however it ends, so that the range groups
// go on saying what the sliders do.
void TForm3::ObliczClick() {
    const FlagHeld manualChoice(manual);
    {
        const FlagHeld placing(placingSliders_);
        Edit1.Text = withDecimalComma(Edit1.Text);
        const extended Q = parseNumber(Edit1.Text);
        const int item = flowRangeItem(Q);
        RadioGroup1.setItemIndex(item);
        q_multi = kFlowRanges[item].step;
        setFlowSlider(item, Q);
        Edit2.Text = withDecimalComma(Edit2.Text);
        setSlopeSlider(parseNumber(Edit2.Text));
    }
    parts_.Bqwe.Text = Edit1.Text;
    parts_.Bimin.Text = Edit2.Text;
    parts_.state.do_flow = true;
    parts_.Button1.Click();
}

void TForm3::RadioGroup1Click() {
    if (manual) return;
    const int item = RadioGroup1.ItemIndex();
    if (item < 0) return;
    const Range& range = kFlowRanges[item];
    q_multi = range.step;
    const int reactionsBefore = sliderReactions_;
    TB1.setMax(range.max);
    TB1.setMin(range.min);
    TB1.setPosition(range.min);
    Edit1.Text = range.startText;  // the very text the slider reaction wrote
    parts_.Bqwe.Text = Edit1.Text;
    computeUnlessSliderMoved(reactionsBefore);
}

// A slider that already stood where the new range puts it ran no reaction;
// the results must still follow the range's start value. Every change the
// window makes to the design window's flow and slope is thus followed by a
// calculation with them, so a result on screen belongs to them.
void TForm3::computeUnlessSliderMoved(int reactionsBefore) {
    if (sliderReactions_ == reactionsBefore) TB1Change();
}

void TForm3::RadioGroup2Click() {
    if (manual) return;
    const int item = RadioGroup2.ItemIndex();
    if (item < 0) return;
    const Range& range = kSlopeRanges[item];
    const int reactionsBefore = sliderReactions_;
    TB2.setMax(range.max);
    TB2.setMin(range.min);
    TB2.setPosition(range.min);
    Edit2.Text = range.startText;
    parts_.Bimin.Text = Edit2.Text;
    computeUnlessSliderMoved(reactionsBefore);
}

void TForm3::RadioGroup3Click() {
    const int item = RadioGroup3.ItemIndex();
    if (item >= 0) parts_.RadioGroup4.setItemIndex(item);
}

void TForm3::showLimitsNotice(bool shown) {
    Panel3.Visible = shown;
    Label3.Visible = shown;
}

}  // namespace vexa

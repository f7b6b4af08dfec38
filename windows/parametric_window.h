#pragma once

// TForm3, the parametric selection window, as plain C++. It computes
// nothing itself: every slider step writes the flow and the slope into the
// design window and presses its "Oblicz".
//
//   TB1 (flow) / TB2 (slope) ──TB1Change──> Edit1, Edit2 ──> Bqwe, Bimin, do_flow ──> Button1
//   FormShow / "Oblicz" ──> ranges and sliders from the texts ──> one Button1
//   design window's calculation run ──ParametricLink──> the red "Przekroczono limity !"
//   RadioGroup3 <──> the design window's RadioGroup4 (local losses)

#include "engine/design_state.h"
#include "toolkit/controls.h"
#include "toolkit/extended.h"
#include "windows/parametric_link.h"

namespace vexa {

// What the parametric window works on in the design window.
struct ParametricParts {
    EditField& Bqwe;          // flow [l/s]
    EditField& Bimin;         // slope [per mille]
    Button& Button1;          // "Oblicz"
    RadioGroup& RadioGroup4;  // local losses
    DesignState& state;       // do_flow
};

class TForm3 : public Form, public ParametricLink {
public:
    explicit TForm3(ParametricParts parts);
    TForm3(const TForm3&) = delete;
    TForm3& operator=(const TForm3&) = delete;

    Panel Panel3;  // red, holds Label3
    Label Label3;
    RadioGroup RadioGroup1;  // flow range
    Label Label1;
    EditField Edit1;  // flow
    Panel Panel1;     // holds TB1
    Slider TB1;       // flow, in steps of q_multi
    Button Oblicz;
    RadioGroup RadioGroup2;  // slope range
    Label Label2;
    EditField Edit2;         // slope
    Panel Panel2;            // holds TB2
    Slider TB2;              // slope, in steps of 0,1 per mille
    RadioGroup RadioGroup3;  // local losses

    extended q_multi = 0;  // flow per step of TB1 in the current range [l/s]
    bool manual = false;   // while true the range reactions do nothing

    void TB1Change();
    void FormShow();
    void RadioGroup1Click();
    void RadioGroup2Click();
    void ObliczClick();
    void FormDeactivate() { Visible = false; }
    void RadioGroup3Click();

    // ParametricLink
    bool isVisible() const override { return Visible; }
    void show() override;
    void showLimitsNotice(bool shown) override;
    void selectLocalLosses(int item) override { RadioGroup3.setItemIndex(item); }

private:
    void layOut();
    void setFlowSlider(int item, extended Q);
    void setSlopeSlider(extended i);
    void computeUnlessSliderMoved(int reactionsBefore);

    ParametricParts parts_;
    // Set while the show and compute reactions move the sliders themselves.
    bool placingSliders_ = false;
    int sliderReactions_ = 0;  // slider reactions run so far
};

}  // namespace vexa

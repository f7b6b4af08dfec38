#pragma once

namespace vexa {

// What the design window needs of the parametric window, which is created
// after it and may not exist yet.
class ParametricLink {
public:
    virtual ~ParametricLink() = default;
    virtual bool isVisible() const = 0;
    // Shows the window, which then takes the flow and slope and computes.
    virtual void show() = 0;
    // The red "Przekroczono limity !" notice.
    virtual void showLimitsNotice(bool shown) = 0;
    // Keeps its "Opory miejscowe" group on the same item as the design window's.
    virtual void selectLocalLosses(int item) = 0;
};

}  // namespace vexa

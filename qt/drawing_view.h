#pragma once

// A drawing on screen: its sheets side by side, white on the window's grey,
// fitted to the view and zoomed with the wheel about the pointer.

#include <QWidget>
#include <optional>

#include "drawing/drawing.h"

namespace vexa {

class DrawingView : public QWidget {
    Q_OBJECT
public:
    explicit DrawingView(QWidget* parent = nullptr);

    // `absent` says why there is no drawing, where there is none.
    void setDrawing(const std::optional<Drawing>& drawing, const QString& absent = {});
    // Back to the whole drawing in view.
    void fit();
    double zoom() const { return zoom_; }
    const std::optional<Drawing>& drawing() const { return drawing_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double fittingScale() const;  // pixels per drawing mm with the whole drawing in view
    double width() const;         // of the sheets side by side, mm

    std::optional<Drawing> drawing_;
    QString absent_;
    double zoom_ = 1;       // times the fitting scale
    QPointF origin_{0, 0};  // where the drawing's left, top corner lies, pixels
};

}  // namespace vexa

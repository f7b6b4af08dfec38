#pragma once

// A drawing on screen, one sheet at a time, white on the window's grey:
// fitted to the view, zoomed with the wheel about the pointer, moved by
// dragging with the left button; Page Down and Page Up turn the sheets. A
// marked area of a sheet is shown over it, never drawn into the drawing.

#include <QWidget>
#include <optional>

#include "drawing/drawing.h"

namespace vexa {

// An area of one sheet (from 0), drawing mm, y upwards.
struct SheetArea {
    std::size_t sheet = 0;
    double left = 0;
    double right = 0;
    double bottom = 0;
    double top = 0;
};

class DrawingView : public QWidget {
    Q_OBJECT
public:
    explicit DrawingView(QWidget* parent = nullptr);

    // `absent` says why there is no drawing, where there is none. A drawing
    // that is the one shown, drawn anew, keeps its sheet, zoom and place
    // where `keepView`; another starts at its first sheet, fitted.
    void setDrawing(const std::optional<Drawing>& drawing, const QString& absent = {}, bool keepView = false);
    // Back to the whole sheet in view.
    void fit();
    double zoom() const { return zoom_; }
    // Where the sheet's top-left corner lies, pixels.
    QPointF origin() const { return origin_; }
    const std::optional<Drawing>& drawing() const { return drawing_; }
    // Where a point of the sheet shown lies, pixels.
    QPointF toScreen(const DrawingPoint& point) const;

    std::size_t sheet() const { return sheet_; }
    std::size_t sheetCount() const { return drawing_ ? drawing_->sheets.size() : 0; }
    // Another sheet, at the same zoom and place.
    void showSheet(std::size_t sheet);
    void nextSheet();
    void previousSheet();

    void setMark(const std::optional<SheetArea>& mark);
    const std::optional<SheetArea>& mark() const { return mark_; }
    // The mark's sheet, and, zoomed in, its left and right in view where
    // they fit, else its left.
    void showMark();

signals:
    // Another sheet or drawing shown.
    void sheetChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double fittingScale() const;  // pixels per drawing mm with the whole sheet in view
    double scale() const { return fittingScale() * zoom_; }
    // Some of the sheet stays in view, whatever the drag or the zoom.
    void keepInView();
    void paintSheet(QPainter& painter, const DrawingSheet& sheet);

    std::optional<Drawing> drawing_;
    QString absent_;
    std::size_t sheet_ = 0;
    double zoom_ = 1;  // times the fitting scale
    bool fitted_ = true;
    QPointF origin_;
    std::optional<QPointF> dragFrom_;
    std::optional<SheetArea> mark_;
};

}  // namespace vexa

#include "qt/drawing_view.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "qt/paint_device_printer.h"

namespace vexa {
namespace {

constexpr double kSheetGap = 10;  // mm between two sheets on screen
constexpr double kMargin = 8;     // pixels round the drawing

}  // namespace

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {
    setObjectName("drawingView");
    setMinimumSize(200, 150);
}

void DrawingView::setDrawing(const std::optional<Drawing>& drawing, const QString& absent) {
    const bool same = drawing_ && drawing && drawing_->title == drawing->title;
    drawing_ = drawing;
    absent_ = absent;
    if (!same) fit();
    update();
}

void DrawingView::fit() {
    zoom_ = 1;
    origin_ = {kMargin, kMargin};
    update();
}

double DrawingView::width() const {
    if (!drawing_ || drawing_->sheets.empty()) return 1;
    const auto sheets = static_cast<double>(drawing_->sheets.size());
    return sheets * drawing_->sheetWidth + (sheets - 1) * kSheetGap;
}

double DrawingView::fittingScale() const {
    if (!drawing_) return 1;
    return std::max(
        0.01, std::min((QWidget::width() - 2 * kMargin) / width(), (height() - 2 * kMargin) / drawing_->sheetHeight));
}

void DrawingView::resizeEvent(QResizeEvent*) {
    if (zoom_ == 1) fit();
}

void DrawingView::wheelEvent(QWheelEvent* event) {
    const double factor = event->angleDelta().y() > 0 ? 1.25 : 0.8;
    const double zoom = std::clamp(zoom_ * factor, 1.0, 40.0);
    // The point under the pointer stays where it is.
    const QPointF pointer = event->position();
    origin_ = pointer - (pointer - origin_) * (zoom / zoom_);
    zoom_ = zoom;
    if (zoom_ == 1) origin_ = {kMargin, kMargin};
    update();
}

void DrawingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!drawing_) {
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, absent_);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = fittingScale() * zoom_;
    const double sheetHeight = drawing_->sheetHeight;
    double left = 0;
    for (const DrawingSheet& sheet : drawing_->sheets) {
        const auto at = [&](const DrawingPoint& point) {
            return origin_ + QPointF((left + point.x) * scale, (sheetHeight - point.y) * scale);
        };
        painter.fillRect(QRectF(at({0, sheetHeight}), QSizeF(drawing_->sheetWidth * scale, sheetHeight * scale)),
                         Qt::white);
        for (const DrawingLine& line : sheet.lines) {
            painter.setPen(QPen(Qt::black, std::max(1.0, line.width * scale), Qt::SolidLine, Qt::RoundCap));
            for (std::size_t n = 1; n < line.points.size(); ++n)
                painter.drawLine(at(line.points[n - 1]), at(line.points[n]));
        }
        painter.setPen(Qt::black);
        for (const DrawingText& text : sheet.texts) {
            QFont font(printerFontFamily("Arial"));
            const double pixels = text.height * scale / kCapitalShare;
            const auto fontAt = [&](double share) {
                font.setPixelSize(std::max(1, static_cast<int>(pixels * share)));
                return QFontMetricsF(font);
            };
            const FittedText fitted =
                fitText(text.text, text.room * scale, [&](const std::string& candidate, double share) {
                    return fontAt(share).horizontalAdvance(QString::fromStdString(candidate));
                });
            const QFontMetricsF metrics = fontAt(fitted.share);
            const double length = metrics.horizontalAdvance(QString::fromStdString(fitted.text));
            painter.setFont(font);
            painter.save();
            painter.translate(at(text.at));
            if (text.upwards) painter.rotate(-90);
            const double top = -acrossShare(text.across) * metrics.height();
            painter.drawText(QPointF(-alongShare(text.along) * length, top + metrics.ascent()),
                             QString::fromStdString(fitted.text));
            painter.restore();
        }
        left += drawing_->sheetWidth + kSheetGap;
    }
}

}  // namespace vexa

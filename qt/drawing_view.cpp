#include "qt/drawing_view.h"

#include <QFont>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "qt/paint_device_printer.h"

namespace vexa {
namespace {

constexpr double kMargin = 8;  // pixels round the fitted sheet
constexpr double kKept = 40;   // pixels of the sheet that stay in view at least
const QColor kMarkColour(255, 150, 0, 70);

}  // namespace

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {
    setObjectName("drawingView");
    setMinimumSize(200, 150);
    // A click to drag takes the keyboard too, for the sheet keys.
    setFocusPolicy(Qt::StrongFocus);
}

void DrawingView::setDrawing(const std::optional<Drawing>& drawing, const QString& absent, bool keepView) {
    const bool keep = keepView && drawing_ && drawing && !drawing->sheets.empty();
    drawing_ = drawing;
    absent_ = absent;
    if (!drawing_) mark_.reset();
    if (keep) {
        sheet_ = std::min(sheet_, drawing_->sheets.size() - 1);
    } else {
        sheet_ = 0;
        fit();
    }
    if (!dragFrom_) setCursor(drawing_ ? Qt::OpenHandCursor : Qt::ArrowCursor);
    update();
    emit sheetChanged();
}

void DrawingView::fit() {
    zoom_ = 1;
    fitted_ = true;
    if (drawing_) {
        const double scale = fittingScale();
        origin_ = {(QWidget::width() - drawing_->sheetWidth * scale) / 2,
                   (height() - drawing_->sheetHeight * scale) / 2};
    }
    update();
}

double DrawingView::fittingScale() const {
    if (!drawing_) return 1;
    return std::max(0.01, std::min((QWidget::width() - 2 * kMargin) / drawing_->sheetWidth,
                                   (height() - 2 * kMargin) / drawing_->sheetHeight));
}

void DrawingView::keepInView() {
    if (!drawing_) return;
    const auto kept = [](double at, double length, double room) {
        const double least = std::min(kKept, room) - length, most = room - std::min(kKept, room);
        return std::clamp(at, std::min(least, most), most);
    };
    origin_ = {kept(origin_.x(), drawing_->sheetWidth * scale(), QWidget::width()),
               kept(origin_.y(), drawing_->sheetHeight * scale(), height())};
}

QPointF DrawingView::toScreen(const DrawingPoint& point) const {
    const double height = drawing_ ? drawing_->sheetHeight : 0;
    return origin_ + QPointF(point.x, height - point.y) * scale();
}

void DrawingView::showSheet(std::size_t sheet) {
    if (sheet >= sheetCount() || sheet == sheet_) return;
    sheet_ = sheet;
    update();
    emit sheetChanged();
}

void DrawingView::nextSheet() { showSheet(sheet_ + 1); }

void DrawingView::previousSheet() {
    if (sheet_ > 0) showSheet(sheet_ - 1);
}

void DrawingView::setMark(const std::optional<SheetArea>& mark) {
    mark_ = mark;
    update();
}

void DrawingView::showMark() {
    if (!mark_ || !drawing_) return;
    showSheet(mark_->sheet);
    const double left = toScreen({mark_->left, 0}).x(), right = toScreen({mark_->right, 0}).x();
    const double room = QWidget::width() - 2 * kMargin;
    if (left >= kMargin && right <= kMargin + room) return;
    // Centred where it fits; else its start in view, where the walk goes on.
    origin_.rx() += right - left <= room ? QWidget::width() / 2.0 - (left + right) / 2 : kMargin - left;
    update();
}

void DrawingView::resizeEvent(QResizeEvent*) {
    if (fitted_)
        fit();
    else
        keepInView();
}

void DrawingView::wheelEvent(QWheelEvent* event) {
    if (!drawing_) return;
    const double factor = event->angleDelta().y() > 0 ? 1.25 : 0.8;
    const double zoom = std::clamp(zoom_ * factor, 1.0, 40.0);
    // The point under the pointer stays where it is.
    const QPointF pointer = event->position();
    origin_ = pointer - (pointer - origin_) * (zoom / zoom_);
    zoom_ = zoom;
    if (zoom_ == 1) {
        fit();
        return;
    }
    fitted_ = false;
    keepInView();
    update();
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !drawing_) return QWidget::mousePressEvent(event);
    dragFrom_ = event->position();
    setCursor(Qt::ClosedHandCursor);
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragFrom_) return QWidget::mouseMoveEvent(event);
    origin_ += event->position() - *dragFrom_;
    dragFrom_ = event->position();
    fitted_ = false;
    keepInView();
    update();
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragFrom_) return QWidget::mouseReleaseEvent(event);
    dragFrom_.reset();
    setCursor(drawing_ ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void DrawingView::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier && event->key() == Qt::Key_PageDown)
        nextSheet();
    else if (event->modifiers() == Qt::NoModifier && event->key() == Qt::Key_PageUp)
        previousSheet();
    else
        QWidget::keyPressEvent(event);
}

void DrawingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!drawing_) {
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, absent_);
        return;
    }
    if (drawing_->sheets.empty()) return;
    painter.setRenderHint(QPainter::Antialiasing);
    paintSheet(painter, drawing_->sheets[sheet_]);

    // Where the walk along the sheets is, in the top right corner.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QString where = QString("Arkusz %1 z %2").arg(sheet_ + 1).arg(drawing_->sheets.size());
    const QFontMetrics metrics(font());
    QRect box = metrics.boundingRect(where).adjusted(-6, -3, 6, 3);
    box.moveTopRight(rect().topRight() + QPoint(-4, 4));
    painter.fillRect(box, QColor(255, 255, 255, 220));
    painter.setPen(Qt::black);
    painter.setFont(font());
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawText(box, Qt::AlignCenter, where);
}

void DrawingView::paintSheet(QPainter& painter, const DrawingSheet& sheet) {
    const double scale = this->scale();
    const double sheetHeight = drawing_->sheetHeight;
    const auto at = [&](const DrawingPoint& point) { return toScreen(point); };
    painter.fillRect(QRectF(at({0, sheetHeight}), QSizeF(drawing_->sheetWidth * scale, sheetHeight * scale)),
                     Qt::white);
    // The mark under the lines, so that they stay black over it.
    if (mark_ && mark_->sheet == sheet_)
        painter.fillRect(QRectF(at({mark_->left, mark_->top}), at({mark_->right, mark_->bottom})), kMarkColour);
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
}

}  // namespace vexa

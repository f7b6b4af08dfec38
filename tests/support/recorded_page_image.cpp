#include "support/recorded_page_image.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include "qt/paint_device_printer.h"

namespace vexa {

QImage recordedPageImage(const RecordingPrinter& printer, int page, int pixelsPerInch) {
    const double scale = static_cast<double>(pixelsPerInch) / printer.pixelsPerInchHorizontal();
    const PixelSize sheet = printer.physicalPageSize();
    QImage image(static_cast<int>(sheet.width * scale), static_cast<int>(sheet.height * scale), QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(pixelsPerInch / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Recorded places are in pixels of the printable area.
    const PixelPoint offset = printer.printingOffset();
    painter.scale(scale, scale);
    painter.translate(offset.x, offset.y);
    for (const RecordingPrinter::Call& call : printer.calls()) {
        if (call.page != page) continue;
        const QPen pen(Qt::black, call.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
        switch (call.kind) {
            case RecordingPrinter::Kind::Text:
            case RecordingPrinter::Kind::UpwardText: {
                QFont font(printerFontFamily(call.fontName));
                // The recorded size in points, on the printer's pixels.
                font.setPixelSize(std::max(1, call.fontSize * printer.pixelsPerInchVertical() / 72));
                font.setBold(call.fontStyle.bold);
                font.setItalic(call.fontStyle.italic);
                font.setUnderline(call.fontStyle.underline);
                font.setStrikeOut(call.fontStyle.strikeOut);
                painter.setFont(font);
                painter.setPen(Qt::black);
                painter.save();
                painter.translate(call.x1, call.y1);
                if (call.kind == RecordingPrinter::Kind::UpwardText) painter.rotate(-90);
                painter.drawText(QPoint(0, QFontMetrics(font).ascent()), QString::fromStdString(call.text));
                painter.restore();
                break;
            }
            case RecordingPrinter::Kind::Rectangle:
                painter.setPen(pen);
                painter.setBrush(QColor(call.fillGrey, call.fillGrey, call.fillGrey));
                painter.drawRect(QRect(QPoint(call.x1, call.y1), QPoint(call.x2, call.y2)));
                break;
            case RecordingPrinter::Kind::Line:
                painter.setPen(pen);
                painter.drawLine(call.x1, call.y1, call.x2, call.y2);
                break;
            default:
                break;
        }
    }
    return image;
}

}  // namespace vexa

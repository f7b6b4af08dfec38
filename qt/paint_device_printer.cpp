#include "qt/paint_device_printer.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPen>

#include "toolkit/errors.h"

namespace vexa {

QString printerFontFamily(const std::string& name) {
    const QString family = QString::fromStdString(name);
    if (family.compare("Arial", Qt::CaseInsensitive) == 0 || family.compare("Arial CE", Qt::CaseInsensitive) == 0)
        return "Liberation Sans";
    return family;
}

PaintDevicePrinter::PaintDevicePrinter(QPagedPaintDevice& device, Target target)
    : device_(device), target_(std::move(target)) {}

void PaintDevicePrinter::fail() const {
    if (target_.isFile) throw FileError(target_.name);
    throw PrintError(target_.name);
}

void PaintDevicePrinter::setOrientation(Orientation orientation) {
    device_.setPageOrientation(orientation == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
}

void PaintDevicePrinter::beginDocument() {
    nameDocument(QString::fromStdString(documentName()));
    if (!painter_.begin(&device_)) fail();
    page_ = 1;
}

void PaintDevicePrinter::endDocument() {
    const bool written = painter_.end();
    documentEnded(written);
    if (!written) fail();
}

void PaintDevicePrinter::abortDocument() {
    if (painter_.isActive()) withdrawPages();
    if (painter_.isActive()) painter_.end();
    documentEnded(false);
}

void PaintDevicePrinter::newPage() {
    device_.newPage();
    ++page_;
}

int PaintDevicePrinter::pixelsPerInchHorizontal() const { return device_.logicalDpiX(); }

int PaintDevicePrinter::pixelsPerInchVertical() const { return device_.logicalDpiY(); }

PixelPoint PaintDevicePrinter::printingOffset() const {
    const QRect paint = device_.pageLayout().paintRectPixels(device_.logicalDpiX());
    return {paint.left(), paint.top()};
}

PixelSize PaintDevicePrinter::physicalPageSize() const {
    const QRect sheet = device_.pageLayout().fullRectPixels(device_.logicalDpiX());
    return {sheet.width(), sheet.height()};
}

PixelSize PaintDevicePrinter::printableSize() const {
    const QRect paint = device_.pageLayout().paintRectPixels(device_.logicalDpiX());
    return {paint.width(), paint.height()};
}

QFont PaintDevicePrinter::font() const {
    const DrawingTools& tools = this->tools();
    QFont font(printerFontFamily(tools.fontName));
    font.setPointSize(tools.fontSize > 0 ? tools.fontSize : 1);
    font.setBold(tools.fontStyle.bold);
    font.setItalic(tools.fontStyle.italic);
    font.setUnderline(tools.fontStyle.underline);
    font.setStrikeOut(tools.fontStyle.strikeOut);
    return font;
}

QFontMetrics PaintDevicePrinter::metrics() const {
    // While the job runs, the painter's own measure: a printer's font
    // metrics outside the painter can differ from what it paints.
    if (!painter_.isActive()) return QFontMetrics(font(), &device_);
    painter_.setFont(font());
    return painter_.fontMetrics();
}

TextMetrics PaintDevicePrinter::textMetrics() const {
    const QFontMetrics measure = metrics();
    return {measure.height(), std::max(0, measure.leading())};
}

int PaintDevicePrinter::textWidth(const std::string& text) const {
    return metrics().horizontalAdvance(QString::fromStdString(text));
}

void PaintDevicePrinter::textOut(int x, int y, const std::string& text) {
    const int ascent = metrics().ascent();
    painter_.setPen(Qt::black);
    painter_.drawText(QPoint(x, y + ascent), QString::fromStdString(text));
}

void PaintDevicePrinter::textOutUpwards(int x, int y, const std::string& text) {
    painter_.save();
    painter_.translate(x, y);
    painter_.rotate(-90);
    textOut(0, 0, text);
    painter_.restore();
}

void PaintDevicePrinter::rectangle(int left, int top, int right, int bottom) {
    const int grey = tools().fillGrey;
    painter_.setPen(QPen(Qt::black, tools().penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter_.setBrush(QColor(grey, grey, grey));
    painter_.drawRect(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void PaintDevicePrinter::line(int x1, int y1, int x2, int y2) {
    painter_.setPen(QPen(Qt::black, tools().penWidth, Qt::SolidLine, Qt::RoundCap));
    painter_.drawLine(x1, y1, x2, y2);
}

}  // namespace vexa

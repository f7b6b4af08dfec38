#include "qt/pdf_file_printer.h"

#include <QPageLayout>
#include <QPageSize>
#include <ostream>

#include "toolkit/text_file.h"
#include "toolkit/version.h"

namespace vexa {

PdfFilePrinter::PdfFilePrinter(const std::string& fileName, PdfPaper paper)
    : PaintDevicePrinter(writer, {fileName, true}), fileName_(fileName) {
    writer.setResolution(600);
    const QPageSize::PageSizeId size = paper == PdfPaper::A3 ? QPageSize::A3 : QPageSize::A4;
    writer.setPageLayout(QPageLayout(QPageSize(size), QPageLayout::Portrait,
                                     QMarginsF(1.0 / 6, 1.0 / 6, 1.0 / 6, 1.0 / 6), QPageLayout::Inch));
    writer.setCreator("Vexa " VEXA_VERSION);
}

void PdfFilePrinter::beginDocument() {
    bytes.setData({});
    if (!bytes.open(QIODevice::WriteOnly)) fail();
    PaintDevicePrinter::beginDocument();
}

void PdfFilePrinter::documentEnded(bool finished) {
    bytes.close();
    if (!finished) return;
    const QByteArray& pdf = bytes.data();
    text_file::replaceFile(fileName_, [&pdf](std::ostream& out) { out.write(pdf.constData(), pdf.size()); });
}

LinkedOutputBackEnds::PdfPrinters pdfFilePrinters() {
    return [](const std::string& file, PdfPaper paper) { return std::make_unique<PdfFilePrinter>(file, paper); };
}

}  // namespace vexa

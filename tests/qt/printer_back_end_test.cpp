// The Qt printer back end: PDF files on A4 that replace a file only when the
// job is done, and recorded pages drawn to images. Set VEXA_PAGE_IMAGES to a
// folder to keep the drawn pages as PNG files for a person to look at.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "qt/pdf_file_printer.h"
#include "qt/printer_job.h"
#include "support/recorded_page_image.h"
#include "toolkit/errors.h"
#include "toolkit/version.h"
#include "windows/results_table.h"

namespace vexa {

// "Print to file" as the print dialog sets it up: a PDF in a folder of its own.
struct PrintToFile {
    PrintToFile() {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file());
    }
    QString file() const { return folder.filePath("wydruk.pdf"); }

    QTemporaryDir folder;
    QPrinter printer{QPrinter::HighResolution};
};

class PrinterBackEndTest : public QObject {
    Q_OBJECT

private slots:
    void pdfIsA4WithASixthOfAnInchBorderTurnedForLandscape() {
        PdfFilePrinter pdf((QDir::tempPath() + "/vexa-a4.pdf").toStdString());
        QCOMPARE(pdf.pixelsPerInchHorizontal(), 600);
        QCOMPARE(pdf.physicalPageSize(), (PixelSize{4958, 7017}));  // A4 in whole points
        QCOMPARE(pdf.printingOffset(), (PixelPoint{100, 100}));
        pdf.setOrientation(Orientation::Landscape);
        QCOMPARE(pdf.physicalPageSize(), (PixelSize{7017, 4958}));
        QCOMPARE(pdf.printableSize(), (PixelSize{6817, 4758}));
    }

    void pdfReplacesTheFileOnlyOnceTheJobHasEnded() {
        const QTemporaryDir folder;
        const std::filesystem::path file = folder.filePath("tabela.pdf").toStdString();
        std::ofstream(file, std::ios::binary) << "poprzedni";
        {
            PdfFilePrinter aborted(file.string());
            aborted.beginDocument();
            aborted.textOut(0, 0, "Tabela");
            aborted.abortDocument();
        }
        QCOMPARE(std::filesystem::file_size(file), std::uintmax_t{9});
        PdfFilePrinter printer(file.string());
        printResultsTable(printer, NotebookRecords{}, 0);
        std::ifstream written(file, std::ios::binary);
        std::string start(5, '\0');
        written.read(start.data(), 5);
        QCOMPARE(start, "%PDF-");
        std::filesystem::remove(file);

        PdfFilePrinter nowhere("/brak/tabela.pdf");
        nowhere.beginDocument();
        QVERIFY_THROWS_EXCEPTION(FileError, nowhere.endDocument());
    }

    void anAbortedPrintToFileLeavesNoFile() {
        PrintToFile target;
        PrinterJob job(target.printer);
        job.beginDocument();
        job.textOut(0, 0, "Tabela");
        job.abortDocument();
        QVERIFY(!QFile::exists(target.file()));
    }

    // A write-protected file is refused before anything is printed, even to
    // root, whom the system would let write it; the file keeps its bytes and
    // the dialog keeps the user's file name.
    void aPrintToFileRefusesAWriteProtectedFile() {
        PrintToFile target;
        const std::filesystem::path file = target.file().toStdString();
        std::ofstream(file, std::ios::binary) << "poprzedni";
        std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                               std::filesystem::perms::others_read);
        PrinterJob job(target.printer);
        try {
            job.beginDocument();
            QFAIL("the job began");
        } catch (const FileError& error) {
            QCOMPARE(error.inPolish(),
                     "Nie można zapisać zbioru " + file.string() + ": zbiór jest chroniony przed zapisem");
        }
        QCOMPARE(std::filesystem::file_size(file), std::uintmax_t{9});
        QCOMPARE(target.printer.outputFileName(), target.file());
        QCOMPARE(QDir(target.folder.path()).entryList(QDir::Files).size(), 1);
        std::filesystem::permissions(file, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    }

    // Print queues list a job by its name, and PDF printers keep it as the title.
    void aPrintToFileCarriesItsNameAndMaker() {
        PrintToFile target;
        PrinterJob job(target.printer);
        job.setDocumentName("Vexa - tabela wyników");
        job.beginDocument();
        job.textOut(0, 0, "Tabela");
        job.endDocument();
        QProcess pdfinfo;
        pdfinfo.start("pdfinfo", {target.file()});
        QVERIFY(pdfinfo.waitForFinished());
        const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
        QVERIFY(info.contains("Title:           Vexa - tabela wyników\n"));
        QVERIFY(info.contains("Creator:         Vexa " VEXA_VERSION "\n"));
    }

    void recordedTablePageIsDrawnWithItsRules() {
        RecordingPrinter printer({.fontHeightPercent = 120});  // a line height of 0,15 inch
        NotebookRecords records;
        records[0].nazod = "K1";
        printResultsTable(printer, records, 1);
        const QImage page = recordedPageImage(printer, 1, 100);
        QCOMPARE(page.size(), QSize(1100, 850));  // letter, landscape
        const auto dark = [&](double x, double y) { return qGray(page.pixel(int(x * 100), int(y * 100))) < 128; };
        QVERIFY(dark(0.955, 4.0));  // the left edge of the grid
        QVERIFY(dark(6.0, 6.26));   // its bottom edge
        QVERIFY(!dark(6.0, 5.0));   // an empty row
        QVERIFY(!dark(0.5, 0.5));   // the margin
        if (const QString folder = qEnvironmentVariable("VEXA_PAGE_IMAGES"); !folder.isEmpty())
            QVERIFY(page.save(folder + "/tabela-nagrana.png"));
    }
};

}  // namespace vexa

int runPrinterBackEndTests(int argc, char** argv) {
    vexa::PrinterBackEndTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "printer_back_end_test.moc"

#include "qt/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>

#include "qt/printer_job.h"
#include "toolkit/controls.h"

namespace vexa {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// A file dialog named for the tests, in the working folder. Started from the
// menu, the program works in the folder of the installed catalogue, where the
// user may not write: the dialog opens at home then.
void setUpFileDialog(QFileDialog& dialog, const char* name, QFileDialog::AcceptMode mode) {
    dialog.setObjectName(name);
    dialog.setAcceptMode(mode);
    const QFileInfo current(QDir::currentPath());
    dialog.setDirectory(current.isWritable() ? current.absoluteFilePath() : QDir::homePath());
}

}  // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

void QtPlatform::prepareModal() {
    if (beforeModal_) beforeModal_();
}

QWidget* QtPlatform::dialogParent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    // The parametric window, when the user works in it: the box returns
    // the focus there, and the window stays open.
    if (QWidget* active = QApplication::activeWindow()) return active;
    return parent_;
}

void QtPlatform::showError(const std::string& message) {
    prepareModal();
    QMessageBox box(QMessageBox::Critical, "Błąd", text(message), QMessageBox::Ok, dialogParent());
    box.setObjectName("errorBox");
    box.exec();
}

void QtPlatform::showMessage(const std::string& message) {
    prepareModal();
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text(message), QMessageBox::Ok, dialogParent());
    box.setObjectName("messageBox");
    box.exec();
}

bool QtPlatform::confirm(const std::string& question) {
    prepareModal();
    QMessageBox box(QMessageBox::Question, kApplicationTitle, text(question), QMessageBox::NoButton, dialogParent());
    box.setObjectName("confirmationBox");
    QPushButton* yes = box.addButton("Tak", QMessageBox::YesRole);
    box.addButton("Nie", QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == yes;
}

std::optional<std::string> QtPlatform::askSaveFileName(const SaveFileRequest& request) {
    prepareModal();
    QFileDialog dialog(dialogParent(), text(request.title));
    setUpFileDialog(dialog, "saveDialog", QFileDialog::AcceptSave);
    // A bare extension, as the notebook asks for "txt", becomes a filter Qt reads.
    QString filter = text(request.filter);
    if (!filter.contains('(')) filter += " (*." + filter + ")";
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(text(request.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

std::optional<SaveFileChoice> QtPlatform::askSaveFileOfKind(const SaveFileRequest& request,
                                                            const std::vector<std::string>& kinds, int preselected) {
    prepareModal();
    QFileDialog dialog(dialogParent(), text(request.title));
    setUpFileDialog(dialog, "saveDialog", QFileDialog::AcceptSave);
    QStringList filters;
    for (const std::string& kind : kinds) filters << text(kind);
    dialog.setNameFilters(filters);
    if (preselected >= 0 && preselected < filters.size()) dialog.selectNameFilter(filters[preselected]);
    dialog.setDefaultSuffix(text(request.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return SaveFileChoice{dialog.selectedFiles().front().toStdString(),
                          static_cast<int>(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())))};
}

Answer QtPlatform::ask(const std::string& question) {
    prepareModal();
    QMessageBox box(QMessageBox::Question, kApplicationTitle, text(question), QMessageBox::NoButton, dialogParent());
    box.setObjectName("questionBox");
    QPushButton* yes = box.addButton("Tak", QMessageBox::YesRole);
    QPushButton* no = box.addButton("Nie", QMessageBox::NoRole);
    box.setEscapeButton(box.addButton("Anuluj", QMessageBox::RejectRole));
    box.exec();
    if (box.clickedButton() == yes) return Answer::Yes;
    return box.clickedButton() == no ? Answer::No : Answer::Cancel;
}

std::optional<std::string> QtPlatform::askOpenFileName(const SaveFileRequest& request) {
    prepareModal();
    QFileDialog dialog(dialogParent(), text(request.title));
    setUpFileDialog(dialog, "openDialog", QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(text(request.filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

Printer* QtPlatform::choosePrinter() {
    prepareModal();
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageSize(QPageSize(QPageSize::A4));
    }
    // The table turns the page for its own job; every dialog starts upright again.
    printer_->setPageOrientation(QPageLayout::Portrait);
    QPrintDialog dialog(printer_.get(), dialogParent());
    dialog.setObjectName("printDialog");
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    chosen_ = std::make_unique<PrinterJob>(*printer_);
    return chosen_.get();
}

std::optional<std::string> QtPlatform::calculationProgress(const std::string& status) {
    constexpr qint64 kShowAfter = 500, kRepaintEvery = 40;  // milliseconds
    if (!calculationTime_.isValid()) calculationTime_.start();
    const qint64 now = calculationTime_.elapsed();
    if (now < kShowAfter || now - lastRepaint_ < kRepaintEvery) return std::nullopt;
    lastRepaint_ = now;
    if (!progress_) {
        prepareModal();
        progress_ = std::make_unique<QProgressDialog>(dialogParent());
        progress_->setObjectName("progressDialog");
        progress_->setWindowTitle(kApplicationTitle);
        progress_->setWindowModality(Qt::WindowModal);
        progress_->setCancelButtonText("Przerwij");
        progress_->setRange(0, 0);  // no end known in advance
        progress_->setMinimumDuration(0);
        progress_->show();
    }
    progress_->setLabelText("Trwa obliczanie…\n" + text(status));
    QCoreApplication::processEvents();
    if (progress_->wasCanceled()) return std::string(kCalculationCancelled);
    return std::nullopt;
}

void QtPlatform::calculationEnded() {
    progress_.reset();
    calculationTime_.invalidate();
    lastRepaint_ = 0;
}

void QtPlatform::showModal(Form& window) {
    prepareModal();
    window.Visible = true;
    if (runModal_) runModal_(window, dialogParent());
    window.Visible = false;
}

void QtPlatform::terminate() {
    terminationRequested_ = true;
    QCoreApplication::quit();  // ends a running event loop; before it runs, the flag tells
}

}  // namespace vexa

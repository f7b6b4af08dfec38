#include "qt/pdf_printouts.h"

#include <QGuiApplication>
#include <iostream>

namespace vexa {

namespace {

std::string messagePrefix;

void errorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << messagePrefix << message.toStdString() << '\n';
}

}  // namespace

struct PdfPrintouts::Application {
    QGuiApplication application;
};

PdfPrintouts::PdfPrintouts(int& argc, char** argv, std::string programName) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    messagePrefix = std::move(programName) + ": ";
    qInstallMessageHandler(errorsOnly);
    application_.reset(new Application{{argc, argv}});
}

PdfPrintouts::~PdfPrintouts() = default;

}  // namespace vexa

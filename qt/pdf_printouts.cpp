#include "qt/pdf_printouts.h"

#include <QGuiApplication>
#include <clocale>
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
    // Qt takes the numeric conventions of the user's locale for the C
    // library: the exact values vexa-calc prints (%La) must not follow them.
    std::setlocale(LC_NUMERIC, "C");
}

PdfPrintouts::~PdfPrintouts() = default;

}  // namespace vexa

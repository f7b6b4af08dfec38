// vexa: the design window of the sewer pipe calculator; with --siec [FILE],
// the network window.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <clocale>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>

#include "catalogue/data_load.h"
#include "qt/design_window_view.h"
#include "qt/modal_windows.h"
#include "qt/network_window_view.h"
#include "qt/pdf_file_printer.h"
#include "qt/qt_platform.h"
#include "qt/skin.h"
#include "toolkit/extended.h"
#include "windows/program.h"

namespace {

// The network window on the catalogue the design window would read.
int runNetworkWindow(vexa::QtPlatform& platform, const std::optional<std::string>& file) {
    vexa::Catalogue catalogue;
    try {
        if (!vexa::DataLoad(catalogue, platform, {}, vexa::dataFilePath(std::filesystem::current_path()))) return 1;
    } catch (const std::exception& error) {  // ConversionError, CatalogueError
        platform.showError(error.what());
        return 1;
    }
    vexa::LinkedOutputBackEnds outputs(vexa::pdfFilePrinters());
    vexa::NetworkWindow window(platform, catalogue, outputs);
    vexa::NetworkWindowView view(window);
    platform.setDialogParent(&view);
    view.show();
    if (file) {
        window.open(*file);
        view.refresh();
    }
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Qt takes the numeric conventions of the user's locale for the C
    // library; every number of Vexa has its own decimal comma.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(vexa::kApplicationTitle);
    vexa::skin::apply(application);
    // Qt's own dialogs (the file dialog, the standard buttons) speak Polish
    // too, where Qt's translations are installed.
    QTranslator qtPolish;
    if (qtPolish.load(QLocale(QLocale::Polish), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtPolish);

    vexa::QtPlatform platform;
    if (!vexa::extendedArithmeticHas64Bits()) {
        platform.showError(vexa::kExtendedArithmeticMissing);
        return 1;
    }
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1 && arguments[1] == "--siec")
        return runNetworkWindow(platform,
                                arguments.size() > 2 ? std::optional(arguments[2].toStdString()) : std::nullopt);
    vexa::Program program(platform, vexa::dataFilePath(std::filesystem::current_path()));
    try {
        // The window is visible from its creation: it shows, then reads the
        // catalogue in its show reaction.
        program.createDesignWindow();
        vexa::DesignWindowView window(program);
        platform.setDialogParent(&window);
        platform.setBeforeModal([&window] { window.refresh(); });
        platform.setModalRunner(
            [&program](vexa::Form& modal, QWidget* parent) { vexa::runModalWindow(program, modal, parent); });
        window.move(window.screen()->availableGeometry().center() - window.rect().center());
        window.show();
        program.showDesignWindow();
        window.refresh();
        if (platform.terminationRequested()) return 1;  // no catalogue: nothing to design with
        return application.exec();
    } catch (const std::exception& error) {
        platform.setBeforeModal({});
        platform.setDialogParent(nullptr);
        platform.showError(error.what());
        return 1;
    }
}

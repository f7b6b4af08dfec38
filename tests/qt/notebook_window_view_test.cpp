// The notebook window on the offscreen platform: "Zapis" and "Podgląd" in
// the real design window open the real notebook window, whose buttons are
// clicked while it runs modally. Boxes and the save dialog are answered by
// the scripted platform.

#include "qt/notebook_window_view.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "qt/design_window_view.h"
#include "qt/modal_windows.h"
#include "qt/qt_platform.h"
#include "support/recording_platform.h"
#include "support/started_design_window.h"
#include "toolkit/controls.h"
#include "windows/program.h"

namespace vexa {

class NotebookWindowViewTest : public QObject, protected StartedDesignWindow {
    Q_OBJECT

private:
    // Presses a design-window button that opens the notebook window, and
    // runs `inWindow` in it while it is open. The window is closed by its
    // frame if `inWindow` leaves it open.
    void openNotebookWith(const char* button, const std::function<void(NotebookWindowView&)>& inWindow) {
        platform->queueModalAction([this, inWindow](Form& window) {
            QTimer::singleShot(0, [inWindow] {
                auto* dialog = qobject_cast<NotebookWindowView*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                const auto closeAnyway = qScopeGuard([dialog] { dialog->close(); });
                inWindow(*dialog);
            });
            runModalWindow(*program, window, view.get());
        });
        press(button);
    }

    QTemporaryDir folder;
    std::filesystem::path file = folder.filePath("notatnik.txt").toStdString();

private slots:
    void init() {
        start(QFINDTESTDATA("../data/small_catalogue.dat"));
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        std::filesystem::remove(file);
    }

    void cleanup() {
        stop();
        std::filesystem::remove(file);
    }

    void zapisOpensTheNotebookWhoseButtonsSaveAndReturn() {
        typeInto("Bqwe", "10");
        typeInto("Bimin", "5");
        press("Button1");
        bool opened = false;
        openNotebookWith("Zapisz", [&](NotebookWindowView& window) {
            opened = true;
            QCOMPARE(window.windowTitle(), "Notatnik");
            QCOMPARE(window.size(), QSize(547, 314));
            const QPoint centre = window.screen()->availableGeometry().center();
            QVERIFY((window.frameGeometry().center() - centre).manhattanLength() <= 6);
            const struct {
                const char* name;
                QRect place;
            } controls[] = {{"bmem", {16, 8, 385, 297}},     {"TabPrint", {424, 40, 113, 25}},
                            {"TabSave", {424, 80, 113, 25}}, {"Wydruk", {424, 144, 113, 25}},
                            {"Zapisz", {424, 184, 113, 25}}, {"Memzer", {424, 240, 113, 25}},
                            {"Powrot", {424, 280, 113, 25}}};
            for (const auto& control : controls)
                QCOMPARE(find<QWidget>(&window, control.name)->geometry(), control.place);
            QVERIFY(!find<QWidget>(&window, "Memo1")->isVisible());
            platform->queuePrintDialog(true);
            QTest::mouseClick(find<QPushButton>(&window, "TabPrint"), Qt::LeftButton);
            QCOMPARE(platform->printer().texts().at(1).text, "Podstawowe wyniki obliczeń");
            QCOMPARE(find<QPushButton>(&window, "Powrot")->toolTip(), "Powrót do panelu projektowego");

            auto* notebook = find<QPlainTextEdit>(&window, "bmem");
            QVERIFY(notebook->isReadOnly());
            QCOMPARE(notebook->document()->blockCount(), 23);
            QScrollBar* scroll = notebook->verticalScrollBar();
            QVERIFY(scroll->maximum() > 0);
            QCOMPARE(scroll->value(), scroll->maximum());

            platform->queueSaveFileName(file.string());
            QTest::mouseClick(find<QPushButton>(&window, "Zapisz"), Qt::LeftButton);
            QVERIFY(std::filesystem::exists(file));
            QTest::mouseClick(find<QPushButton>(&window, "Powrot"), Qt::LeftButton);
            QVERIFY(!window.isVisible());
        });
        QVERIFY(opened);
        std::ifstream saved(file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(saved), std::istreambuf_iterator<char>()};
        QCOMPARE(std::count(bytes.begin(), bytes.end(), '\n'), 23);
        QCOMPARE(find<QLineEdit>("Bnazod")->text(), "Odcinek nr 2");

        typeInto("Bnazod", "Kolektor B");
        openNotebookWith("Notatnik", [&](NotebookWindowView& window) {
            QCOMPARE(find<QPlainTextEdit>(&window, "bmem")->document()->blockCount(), 23);
            window.close();  // the frame's close control
        });
        QCOMPARE(find<QLineEdit>("Bnazod")->text(), "Kolektor B");
        QCOMPARE(platform->errors(), std::vector<std::string>{});
    }

    void notebookSaveDialogFiltersTextFiles() {
        QtPlatform desktop;
        QStringList filters;
        QString suffix, title;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            filters = dialog->nameFilters();
            suffix = dialog->defaultSuffix();
            title = dialog->windowTitle();
            dialog->reject();
        });
        QVERIFY(!desktop.askSaveFileName({"Zapis notatnika w zbiorze typu *.txt", "txt", "txt"}));
        QCOMPARE(filters, QStringList{"txt (*.txt)"});
        QCOMPARE(suffix, "txt");
        QCOMPARE(title, "Zapis notatnika w zbiorze typu *.txt");
    }

    void cancelledPrintDialogGivesNoPrinter() {
        QtPlatform desktop;
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            shown = dialog != nullptr;
            if (dialog) dialog->reject();
        });
        QCOMPARE(desktop.choosePrinter(), nullptr);
        QVERIFY(shown);
    }
};

}  // namespace vexa

int runNotebookWindowViewTests(int argc, char** argv) {
    vexa::NotebookWindowViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "notebook_window_view_test.moc"

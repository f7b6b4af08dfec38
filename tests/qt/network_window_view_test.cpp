// The network window on the offscreen platform: its real table shows the
// designed network, a value typed into a cell is designed at once, bad ones
// are marked and listed, and the selected row's profile is drawn.

#include "qt/network_window_view.h"

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "qt/drawing_view.h"
#include "qt/pdf_file_printer.h"
#include "support/catalogues.h"
#include "support/recording_platform.h"

namespace vexa {

class NetworkWindowViewTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        catalogue = testing_support::bundledCatalogue();
        window = std::make_unique<NetworkWindow>(platform, *catalogue, outputs);
        window->open(QFINDTESTDATA("../data/network/hand_worked.csv").toStdString());
        view = std::make_unique<NetworkWindowView>(*window);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        table = view->findChild<QTableView*>("networkTable");
        QVERIFY(table);
        // Every change the table announces keeps the rules of Qt's models.
        tester = std::make_unique<QAbstractItemModelTester>(table->model(),
                                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    void cleanup() {
        tester.reset();
        view.reset();
        window.reset();
    }

    QString shown(int row, const char* heading) {
        for (int column = 0; column < table->model()->columnCount(); ++column)
            if (table->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString() == heading)
                return table->model()->index(row, column).data().toString();
        return "(no column)";
    }

    // Typed into a cell as a user types: the cell's editor, then Enter.
    void typeInto(int row, int column, const QString& text) {
        const QModelIndex cell = table->model()->index(row, column);
        table->setCurrentIndex(cell);
        table->edit(cell);
        auto* editor = table->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        // The closed editor goes, so that the next cell's is the one found.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Keys as a keyboard gives them: each to the widget with the focus, the
    // events it leads to handled before the next.
    static void press(const QString& keys) {
        for (const QChar key : keys) {
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
            QCoreApplication::processEvents();
        }
    }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QCoreApplication::processEvents();
    }

    void theTableShowsTheDesignAndFollowsAnEdit() {
        QCOMPARE(view->windowTitle(), QString("Vexa - projekt sieci - hand_worked.csv"));
        QCOMPARE(shown(5, "Q [l/s]"), QString("42,4"));
        QCOMPARE(shown(0, "Typ rury").left(3), QString("1: "));  // the type item with its caption
        typeInto(0, 6, "2,6");                                   // K1's inflow
        QCOMPARE(shown(5, "Q [l/s]"), QString("44,6"));
        QTRY_COMPARE(view->windowTitle(), QString("Vexa - projekt sieci - hand_worked.csv *"));
    }

    // The rain's catchment typed into its column, the table chosen with the
    // button and the formula taken back with the other.
    void theRainIsTypedAndItsTableChosen() {
        auto* formula = view->findChild<QPushButton*>("useRainFormula");
        auto* rain = view->findChild<QLabel*>("rainTable");
        QCOMPARE(rain->text(), QString("wzór Błaszczyka"));
        QVERIFY(!formula->isEnabled());
        QCOMPARE(shown(0, "Fzr [ha]"), QString());
        typeInto(0, position(InputColumn::Zlewnia), "0,5");
        typeInto(0, position(InputColumn::Psi), "0,9");
        QTRY_COMPARE(shown(0, "Fzr [ha]"), QString("0,4500"));
        QCOMPARE(shown(0, "q [l/(s·ha)]"), QString("127,1"));
        platform.queueOpenFileName(QFINDTESTDATA("../../docs/examples/deszcz_tabela.csv").toStdString());
        QTest::mouseClick(view->findChild<QPushButton*>("chooseRainTable"), Qt::LeftButton);
        QTRY_COMPARE(rain->text(), QString("tabela deszcz_tabela.csv"));
        QCOMPARE(shown(0, "q [l/(s·ha)]"), QString("140,0"));
        QTest::mouseClick(formula, Qt::LeftButton);
        QTRY_COMPARE(shown(0, "q [l/(s·ha)]"), QString("127,1"));
        QVERIFY(!formula->isEnabled());
    }

    // The habits of a day's work, by keys: a parameter typed and undone, a
    // manhole's ground edited once in its tab, a name found, cells filled
    // down, a group of result columns hidden from the menu.
    void theWindowIsWorkedByKeys() {
        const QString title = "Vexa - projekt sieci - hand_worked.csv";
        auto* cover = view->findChild<QLineEdit*>("przykrycie");
        cover->setFocus();
        cover->selectAll();
        QTest::keyClicks(cover, "1,5");
        press(Qt::Key_Tab);
        QCOMPARE(window->parameterText(0), std::string("1,5"));
        QCOMPARE(view->windowTitle(), title + " *");
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(cover->text(), QString("1,2"));
        QCOMPARE(view->windowTitle(), title);

        // A3 in the manholes' tab: the end of K2 and B2, the start of K3.
        auto* manholes = view->findChild<QTableView*>("manholeTable");
        press(Qt::Key_S, Qt::AltModifier);
        QVERIFY(manholes->isVisible());
        manholes->setFocus();
        manholes->setCurrentIndex(manholes->model()->index(0, 0));
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        press(Qt::Key_Right);
        press("109,6");
        press(Qt::Key_Return);
        QCOMPARE(window->row(1)[5], std::string("109,6"));
        QCOMPARE(window->row(2)[4], std::string("109,6"));
        QCOMPARE(window->row(4)[5], std::string("109,6"));
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window->row(2)[4], std::string("109,50"));
        QCOMPARE(manholes->model()->index(2, 1).data().toString(), QString("109,50"));

        press(Qt::Key_O, Qt::AltModifier);
        table->setFocus();
        press(Qt::Key_F, Qt::ControlModifier);
        auto* find = view->findChild<QLineEdit*>("find");
        QVERIFY(find->hasFocus());
        press("x1");
        press(Qt::Key_Return);
        QCOMPARE(table->currentIndex().row(), 7);
        press(Qt::Key_Escape);
        QVERIFY(!find->isVisible());

        // K1's criterion filled down over K2.
        table->setFocus();
        table->setCurrentIndex(table->model()->index(0, position(InputColumn::KryteriumDoboru)));
        press(Qt::Key_Down, Qt::ShiftModifier);
        press(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(window->row(1)[position(InputColumn::KryteriumDoboru)], std::string("3"));

        const int invertFrom = NetworkWindow::tableColumn(ResultColumn::DnoOd);
        QVERIFY(!table->isColumnHidden(invertFrom));
        press(Qt::Key_W, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_R);
        QTRY_VERIFY(table->isColumnHidden(invertFrom));
        QVERIFY(table->isColumnHidden(NetworkWindow::tableColumn(ResultColumn::Kaskada)));
        QVERIFY(!table->isColumnHidden(NetworkWindow::tableColumn(ResultColumn::Uwagi)));

        // A parameter saved with Ctrl+S goes into the project beside the network.
        const QTemporaryDir folder;
        const QString network = folder.filePath("siec.csv");
        QFile::copy(QFINDTESTDATA("../data/network/hand_worked.csv"), network);
        press(Qt::Key_Z, Qt::ControlModifier);  // the fill, so that the network may go unasked
        platform.queueOpenFileName(network.toStdString());
        press(Qt::Key_O, Qt::ControlModifier);
        cover->setFocus();
        cover->selectAll();
        QTest::keyClicks(cover, "1,5");
        press(Qt::Key_Tab);
        press(Qt::Key_S, Qt::ControlModifier);
        QFile project(folder.filePath("siec.vexa"));
        QVERIFY(project.open(QIODevice::ReadOnly));
        QVERIFY(project.readAll().startsWith("przykrycie=1,5\nspadek-min=0,5\n"));  // the network's line ends
        QCOMPARE(view->windowTitle(), QString("Vexa - projekt sieci - siec.csv"));

        // A value still being typed when the window closes is an edit to keep or drop.
        cover->setFocus();
        cover->selectAll();
        QTest::keyClicks(cover, "2");
        platform.queueAnswer(Answer::Cancel);
        QVERIFY(!view->close());
        QCOMPARE(window->parameterText(0), std::string("2"));
        QVERIFY(cover->hasFocus());
    }

    // Bad values typed are marked and listed at once, in the order of the
    // rows; an entry chosen takes the table to its cell.
    void badCellsAreMarkedAndListed() {
        auto* faults = view->findChild<QListWidget*>("faults");
        QVERIFY(faults && !faults->isVisible());
        table->setFocus();
        table->setCurrentIndex(table->model()->index(2, 3));  // K3's length
        press("7O");
        press(Qt::Key_Return);
        QCOMPARE(faults->count(), 1);
        QVERIFY(faults->isVisible());
        const QString message("Wiersz 3, Długość [m]: \"7O\" nie jest liczbą");
        QCOMPARE(faults->item(0)->text(), message);
        QCOMPARE(table->model()->index(2, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 190, 190));
        QCOMPARE(table->model()->index(2, 0).data(Qt::ToolTipRole).toString(), message);

        table->setCurrentIndex(table->model()->index(0, 6));  // K1's inflow
        press("-1");
        press(Qt::Key_Return);
        QCOMPARE(faults->count(), 2);
        QCOMPARE(faults->item(0)->text(), QString("Wiersz 1: dopływ nie może być ujemny"));
        QCOMPARE(faults->item(1)->text(), message);

        QTest::mouseClick(faults->viewport(), Qt::LeftButton, {}, faults->visualItemRect(faults->item(1)).center());
        QCOMPARE(table->currentIndex(), table->model()->index(2, 3));
        faults->setFocus();
        faults->setCurrentRow(0);
        QTest::keyClick(faults, Qt::Key_Return);
        QCOMPARE(table->currentIndex(), table->model()->index(0, 6));
    }

    void theSelectedRowsPathIsDrawn() {
        table->setCurrentIndex(table->model()->index(5, 0));  // K4, on the main collector
        QVERIFY(window->selectedProfile());
        QCOMPARE(window->selectedProfile()->title, std::string("Profil podłużny B1 - A5"));
        const auto& drawn = view->findChild<DrawingView*>("drawingView")->drawing();
        QVERIFY(drawn);
        QCOMPARE(drawn->title, std::string("Profil podłużny B1 - A5"));
    }

    // A long collector M0 - M40, generated, walked along: the profile is
    // dragged, zoomed and its sheets turned by keys; the selection moved
    // down the table keeps the zoom and shows its section's sheet, marked.
    void theProfileIsWalkedSheetBySheet() {
        const QTemporaryDir folder;
        const QString file = folder.filePath("kolektor.csv");
        {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            QTextStream lines(&out);
            lines << kNetworkHeadLine << "\n";
            const auto ground = [](int manhole) {
                return QString::number(120 - 0.2 * manhole, 'f', 2).replace('.', ',');
            };
            for (int n = 0; n < 40; ++n)
                lines << QString("S%1;M%1;M%2;50;%3;%4;1;1;;;2;0;1;\n").arg(n).arg(n + 1).arg(ground(n), ground(n + 1));
        }
        window->open(file.toStdString());
        view->refresh();
        auto* profile = view->findChild<DrawingView*>("drawingView");
        auto* next = view->findChild<QAction*>("nextSheet");
        table->setFocus();
        table->setCurrentIndex(table->model()->index(1, 0));
        press(Qt::Key_Up);
        QCOMPARE(window->selectedRow(), 0);
        QCOMPARE(profile->sheet(), std::size_t{0});
        QVERIFY(profile->sheetCount() > 3);
        QVERIFY(!view->findChild<QAction*>("previousSheet")->isEnabled());

        const QPointF before = profile->origin();
        QTest::mousePress(profile, Qt::LeftButton, {}, QPoint(100, 80));
        QCOMPARE(profile->cursor().shape(), Qt::ClosedHandCursor);
        QTest::mouseMove(profile, QPoint(130, 100));
        QTest::mouseRelease(profile, Qt::LeftButton, {}, QPoint(130, 100));
        QCOMPARE(profile->origin(), before + QPointF(30, 20));
        QCOMPARE(profile->cursor().shape(), Qt::OpenHandCursor);

        QWheelEvent wheel(QPointF(100, 80), profile->mapToGlobal(QPointF(100, 80)), {}, {0, 120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(profile, &wheel);
        const double zoom = profile->zoom();
        QVERIFY(zoom > 1);
        table->setFocus();
        press(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(profile->sheet(), std::size_t{1});
        profile->setFocus();
        for (std::size_t n = 2; n <= profile->sheetCount(); ++n) press(Qt::Key_PageDown);  // one past the last
        QCOMPARE(profile->sheet(), profile->sheetCount() - 1);
        QVERIFY(!next->isEnabled());
        table->setFocus();
        press(Qt::Key_PageDown, Qt::ControlModifier);  // not a page down the table either
        QCOMPARE(profile->sheet(), profile->sheetCount() - 1);
        QCOMPARE(table->currentIndex().row(), 0);

        for (int n = 0; n < 8; ++n) press(Qt::Key_Down);
        QCOMPARE(window->selectedRow(), 8);
        const std::optional<SectionPlacement> placement = window->selectedPlacement();
        QVERIFY(placement && placement->sheet > 0);
        QCOMPARE(profile->zoom(), zoom);
        QCOMPARE(profile->sheet(), placement->sheet);
        QVERIFY(next->isEnabled());
        QCOMPARE(profile->mark()->sheet, placement->sheet);
        QCOMPARE(profile->mark()->left, placement->fromX);
        QCOMPARE(profile->mark()->right, placement->toX);
        QVERIFY(profile->toScreen({placement->fromX, 0}).x() >= 0);
        QVERIFY(profile->toScreen({placement->toX, 0}).x() <= profile->width());
    }

    void anItemIsChosenFromItsList() {
        const QModelIndex criterion = table->model()->index(0, position(InputColumn::KryteriumDoboru));
        table->setCurrentIndex(criterion);
        table->edit(criterion);
        auto* list = table->findChild<QComboBox*>("itemList");
        QVERIFY(list);
        QCOMPARE(list->count(), 5);
        list->setCurrentIndex(1);  // self-cleaning and ventilation
        QTest::keyClick(list, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(window->row(0)[position(InputColumn::KryteriumDoboru)], std::string("1"));
        QCOMPARE(criterion.data().toString(), QString("1: Dobór dla samooczyszczania i przewietrzania"));
        // Its number typed chooses it too.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        table->edit(criterion);
        list = table->findChild<QComboBox*>("itemList");
        QTest::keyClicks(list, "3");
        QTest::keyClick(list, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(window->row(0)[position(InputColumn::KryteriumDoboru)], std::string("3"));
    }

    // On the empty row at the end a row is typed as in a spreadsheet: every
    // value lands in its column, Enter commits and goes down.
    void aRowIsTypedWithTabAndEnter() {
        table->setFocus();
        table->setCurrentIndex(table->model()->index(8, 0));
        const QStringList values{"N1", "S7", "S9", "30", "98,70", "98,60", "1,5"};
        for (int n = 0; n < values.size(); ++n) {
            press(values[n]);
            press(n + 1 < values.size() ? Qt::Key_Tab : Qt::Key_Return);
        }
        QCOMPARE(window->rowCount(), 9);
        for (int n = 0; n < values.size(); ++n) QCOMPARE(QString::fromStdString(window->row(8)[n]), values[n]);
        QCOMPARE(table->currentIndex(), table->model()->index(9, 6));
        QCOMPARE(shown(8, "Q [l/s]"), QString("1,5"));

        // Shift+Tab goes back a cell; the first column is typed into too.
        table->setCurrentIndex(table->model()->index(8, 1));
        press(Qt::Key_Backtab);
        QCOMPARE(table->currentIndex(), table->model()->index(8, 0));
        press("N2");
        press(Qt::Key_Return);
        QCOMPARE(window->row(8)[0], std::string("N2"));
    }

    // Edit, Ctrl+S, Ctrl+Z, edit again: the caption says it is changed and
    // closing asks; Ctrl+Y redoes.
    void anEditAfterSavingAndUndoingIsMarkedAndAsked() {
        const QTemporaryDir folder;
        const std::string file = folder.filePath("siec.csv").toStdString();
        std::filesystem::copy_file(QFINDTESTDATA("../data/network/hand_worked.csv").toStdString(), file);
        window->open(file);
        view->refresh();
        typeInto(0, 6, "2,6");
        press(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(view->windowTitle(), QString("Vexa - projekt sieci - siec.csv"));
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window->row(0)[6], std::string("0,4"));
        typeInto(1, 6, "3");
        QCOMPARE(view->windowTitle(), QString("Vexa - projekt sieci - siec.csv *"));
        platform.queueAnswer(Answer::Cancel);
        QVERIFY(!view->close());
        press(Qt::Key_Z, Qt::ControlModifier);
        press(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(window->row(1)[6], std::string("3"));
        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // nothing more to redo
        QCOMPARE(window->row(1)[6], std::string("3"));
    }

    // Delete empties the selected cells; Ctrl+C copies them for a spreadsheet.
    void deleteClearsAndCtrlCCopiesTheSelectedCells() {
        table->setFocus();
        table->setCurrentIndex(table->model()->index(0, 3));
        table->selectionModel()->select(table->model()->index(0, 4), QItemSelectionModel::Select);
        press(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("50\t110,00\n"));
        press(Qt::Key_Delete);
        QCOMPARE(window->row(0)[3], std::string());
        QCOMPARE(window->row(0)[4], std::string());
        QCOMPARE(window->row(0)[5], std::string("109,80"));
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window->row(0)[3], std::string("50"));
    }

    // The name column stays in view when the table scrolls right.
    void theNameStaysInViewWhenTheTableScrollsRight() {
        table->horizontalScrollBar()->setValue(table->horizontalScrollBar()->maximum());
        QVERIFY(table->horizontalScrollBar()->value() > 0);
        auto* names = view->findChild<QTableView*>("frozenColumn");
        QVERIFY(names && names->isVisible());
        QCOMPARE(names->model()->index(5, 0).data().toString(), QString("K4"));
        QVERIFY(names->geometry().left() <= table->verticalHeader()->width() + table->frameWidth());
        QVERIFY(names->visualRect(names->model()->index(5, 0)).isValid());
    }

    // The window fits the screen's room for windows and keeps its size.
    void theWindowFitsTheScreenAndKeepsItsSize() {
        const QRect room = view->screen()->availableGeometry();
        QVERIFY(view->frameGeometry().width() <= room.width());
        QVERIFY(view->frameGeometry().height() <= room.height());
        view->resize(700, 500);
        QVERIFY(view->close());
        NetworkWindowView again(*window);
        QCOMPARE(again.size(), QSize(700, 500));
        QCOMPARE(again.findChild<QLabel*>("encoding")->text(), QString("Kodowanie zbioru: UTF-8, LF"));
    }

    void onlyTheSelectedRowsAreDeleted() {
        QItemSelectionModel* selection = table->selectionModel();
        selection->select(table->model()->index(1, 0), QItemSelectionModel::Select);  // K2
        selection->select(table->model()->index(3, 0), QItemSelectionModel::Select);  // B1
        view->findChild<QAction*>("deleteRows")->trigger();
        QCOMPARE(window->rowCount(), 6);
        QCOMPARE(shown(1, "Odcinek"), QString("K3"));
        QCOMPARE(shown(2, "Odcinek"), QString("B2"));
    }

    // "Dane projektu...": OK applies what was typed as one edit, Cancel nothing.
    void theProjectFormAppliesItsFieldsAsOneEdit() {
        const auto fill = [this](const QString& investor, QDialogButtonBox::StandardButton button) {
            QTimer::singleShot(0, [investor, button] {
                QWidget* form = QApplication::activeModalWidget();
                QVERIFY(form);
                form->findChild<QLineEdit*>("projekt-inwestor")->setText(investor);
                form->findChild<QLineEdit*>("projekt-data")->setText("12.2026");
                form->findChild<QDialogButtonBox*>()->button(button)->click();
            });
            view->findChild<QAction*>("projectData")->trigger();
        };
        fill("Gmina Źródła", QDialogButtonBox::Cancel);
        QCOMPARE(window->projectData(), ProjectData{});
        fill("Gmina Źródła", QDialogButtonBox::Ok);
        QCOMPARE(window->projectData().investor, std::string("Gmina Źródła"));
        QCOMPARE(window->projectData().date, std::string("12.2026"));
        QVERIFY(window->modified());
        window->undo();
        QCOMPARE(window->projectData(), ProjectData{});
    }

private:
    std::unique_ptr<Catalogue> catalogue;
    RecordingPlatform platform;
    LinkedOutputBackEnds outputs{pdfFilePrinters()};
    std::unique_ptr<NetworkWindow> window;
    std::unique_ptr<NetworkWindowView> view;
    QTableView* table = nullptr;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

}  // namespace vexa

int runNetworkWindowViewTests(int argc, char** argv) {
    vexa::NetworkWindowViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "network_window_view_test.moc"

// The network window on the offscreen platform: its real table shows the
// designed network, a value typed into a cell is designed at once, a bad one
// is marked, and the selected row's profile is drawn.

#include "qt/network_window_view.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>
#include <memory>

#include "catalogue/catalogue_reader.h"
#include "qt/drawing_view.h"
#include "support/recording_platform.h"

namespace vexa {

class NetworkWindowViewTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        readCatalogueFile(QFINDTESTDATA("../../pipe_vexa.dat").toStdString(), catalogue);
        linkOptimisation(catalogue);
        window = std::make_unique<NetworkWindow>(platform, catalogue);
        window->open(QFINDTESTDATA("../data/network/hand_worked.csv").toStdString());
        view = std::make_unique<NetworkWindowView>(*window);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        table = view->findChild<QTableView*>("networkTable");
        QVERIFY(table);
    }

    void cleanup() {
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
    }

    void theTableShowsTheDesignAndFollowsAnEdit() {
        QCOMPARE(view->windowTitle(), QString("Vexa - projekt sieci - hand_worked.csv"));
        QCOMPARE(shown(5, "Q [l/s]"), QString("42,4"));
        QCOMPARE(shown(0, "Typ rury").left(3), QString("1: "));  // the type item with its caption
        typeInto(0, 6, "2,6");                                   // K1's inflow
        QCOMPARE(shown(5, "Q [l/s]"), QString("44,6"));
        QTRY_COMPARE(view->windowTitle(), QString("Vexa - projekt sieci - hand_worked.csv *"));
    }

    void aBadCellIsMarkedWithItsMessage() {
        typeInto(2, 3, "7O");
        QTRY_COMPARE(view->findChild<QLabel*>("problem")->text(),
                     QString("Wiersz 3, Długość [m]: \"7O\" nie jest liczbą"));
        QCOMPARE(table->model()->index(2, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 190, 190));
        QCOMPARE(shown(2, "Q [l/s]"), QString());
        QCOMPARE(table->model()->index(2, 3).data().toString(), QString("7O"));
    }

    void theSelectedRowsPathIsDrawn() {
        table->setCurrentIndex(table->model()->index(5, 0));  // K4, on the main collector
        QVERIFY(window->selectedProfile());
        QCOMPARE(window->selectedProfile()->title, std::string("Profil podłużny B1 - A5"));
        const auto& drawn = view->findChild<DrawingView*>("drawingView")->drawing();
        QVERIFY(drawn);
        QCOMPARE(drawn->title, std::string("Profil podłużny B1 - A5"));
    }

    void anItemIsChosenFromItsList() {
        const QModelIndex criterion = table->model()->index(0, NetworkWindow::kPipeCriterion);
        table->setCurrentIndex(criterion);
        table->edit(criterion);
        auto* list = table->findChild<QComboBox*>("itemList");
        QVERIFY(list);
        QCOMPARE(list->count(), 5);
        list->setCurrentIndex(1);  // self-cleaning and ventilation
        QTest::keyClick(list, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(window->row(0)[NetworkWindow::kPipeCriterion], std::string("1"));
        QCOMPARE(criterion.data().toString(), QString("1: Dobór dla samooczyszczania i przewietrzania"));
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

private:
    Catalogue catalogue;
    RecordingPlatform platform;
    std::unique_ptr<NetworkWindow> window;
    std::unique_ptr<NetworkWindowView> view;
    QTableView* table = nullptr;
};

}  // namespace vexa

int runNetworkWindowViewTests(int argc, char** argv) {
    vexa::NetworkWindowViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "network_window_view_test.moc"

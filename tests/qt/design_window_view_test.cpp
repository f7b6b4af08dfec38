// The real design window on the offscreen platform: typing into the real
// line edits, picking in the real combo boxes and radio buttons, pressing
// Enter and "Oblicz", and reading what the widgets show.

#include "qt/design_window_view.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "catalogue/design_choices.h"
#include "qt/qt_platform.h"
#include "qt/radio_group_box.h"
#include "qt/skin.h"
#include "support/recording_platform.h"
#include "support/started_design_window.h"
#include "toolkit/version.h"
#include "windows/design_window.h"
#include "windows/program.h"

namespace vexa {

class DesignWindowViewTest : public QObject, protected StartedDesignWindow {
    Q_OBJECT

private:
    QString shown(const char* name) { return find<QLineEdit>(name)->text(); }
    // Opens the list, moves to the item and presses Enter, as the user does.
    void pick(const char* name, int item) {
        QComboBox* combo = find<QComboBox>(name);
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        list->setCurrentIndex(list->model()->index(item, 0));
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_VERIFY2(!list->window()->isVisible(), name);
        QVERIFY2(combo->currentIndex() == item, name);
    }
    void choose(const char* group, int item) {
        QTest::mouseClick(find<RadioGroupBox>(group)->button(item), Qt::LeftButton);
    }

    QStringList results() {
        QStringList texts;
        for (const char* name : {"Bd", "Bnrkat", "Bkl", "Bk", "Bi", "Bh", "Br", "Bv", "Bws", "Bwp"})
            texts << shown(name);
        return texts;
    }

private slots:
    void init() {
        start(QFINDTESTDATA("../data/small_catalogue.dat"));
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }

    void cleanup() { stop(); }

    void opensAsTheDesignedFixedWindow() {
        QCOMPARE(view->size(), QSize(672, 520));
        QCOMPARE(view->minimumSize(), view->maximumSize());
        QVERIFY(!(view->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(
            view->windowTitle(),
            " Ductora Polska S.A.                      Projektowanie sieci kanalizacji zewnętrznej   V" VEXA_VERSION);
        QCOMPARE(find<QComboBox>("Combo_Typ")->count(), 9);
        QCOMPARE(find<QComboBox>("Combo_Typ")->currentText(), "PVC lita SN4         klasa N      k=0,25 mm");
        QCOMPARE(shown("Bnazod"), "Odcinek nr 1");
        QVERIFY(find<QComboBox>("ComboSred")->isVisible());
        QVERIFY(!find<QComboBox>("ComboSDR")->isVisible());
        QVERIFY(!find<QLabel>("LabelSDR")->isVisible());
        QVERIFY(!find<QLineEdit>("Bwyp")->isVisible());
        QVERIFY(find<RadioGroupBox>("RadioGroup1")->button(sewage_kind::kRainRecommended)->isChecked());
        QCOMPARE(find<QPushButton>("Button1")->toolTip(), "Start obliczeń");
        QCOMPARE(find<QLineEdit>("Bd")->focusPolicy(), Qt::NoFocus);
        QVERIFY(find<QLineEdit>("Bd")->isReadOnly());
        QVERIFY(platform->events().empty());
    }

    void enterInAFieldRunsTheCalculation() {
        typeInto("Bqwe", "10");
        typeInto("Bimin", "5");
        QTest::keyClick(find<QLineEdit>("Bimin"), Qt::Key_Return);
        QCOMPARE(results(),
                 (QStringList{"160 / 150,6", " PVC4-160", "N", "0,25", "5,0", "69", "2,19", "0,76", "tak", "tak"}));
        QCOMPARE(find<QLabel>("Label2")->text(), " Średnice rury    Dz/Dw  [mm/mm]   ");
    }

    void obliczWithCriteriaPickedInTheWidgets() {
        choose("RadioGroup1", sewage_kind::kDomestic);
        choose("RadioGroup4", local_losses::kLarge);
        choose("RadioGroup3", pipe_criterion::kNormativeVentilation);
        QCOMPARE(find<RadioGroupBox>("RadioGroup3")->button(pipe_criterion::kSelfCleaning)->text(),
                 "Dobór dla samooczyszczania ( tau > 2.0 [Pa]");
        typeInto("Bqwe", "30");
        typeInto("Bimin", "3");
        press("Button1");
        QCOMPARE(results(),
                 (QStringList{"315 / 296,6", " PVC4-315", "N", "0,75", "3,0", "57", "2,36", "0,73", "tak", "tak"}));
    }

    void familyListedByInnerDiameterSwitchesTheCaption() {
        pick("Combo_Typ", 2);  // PE-HD
        typeInto("Bqwe", "50");
        typeInto("Bimin", "3");
        press("Button1");
        QCOMPARE(shown("Bd"), "300");
        QCOMPARE(find<QLabel>("Label2")->text(), " Średnica rury                  Dw [mm]   ");
    }

    void sdrListAndFillingFieldShowAndHide() {
        pick("Combo_Typ", 5);  // PE 100, class SDR
        QVERIFY(find<QComboBox>("ComboSDR")->isVisible());
        QVERIFY(find<QLabel>("LabelSDR")->isVisible());
        QCOMPARE(find<QComboBox>("ComboSDR")->itemText(2), "26,0");
        pick("ComboSDR", 3);
        pick("ComboSred", 8);  // 710 mm moves the SDR back to 33
        QCOMPARE(find<QComboBox>("ComboSDR")->currentText(), "33,0");
        pick("Combo_Typ", 0);
        QVERIFY(!find<QComboBox>("ComboSDR")->isVisible());

        choose("RadioGroup3", pipe_criterion::kGivenFilling);
        QVERIFY(find<QLineEdit>("Bwyp")->isVisible());
        typeInto("Bwyp", "50");
        choose("RadioGroup3", pipe_criterion::kSelfCleaningAndVentilation);
        QVERIFY(!find<QLineEdit>("Bwyp")->isVisible());
        choose("RadioGroup3", pipe_criterion::kGivenFilling);
        QCOMPARE(shown("Bwyp"), "");
    }

    void optimalItemIsExplainedAndHidesTheDiameterList() {
        pick("Combo_Typ", 8);
        QVERIFY(!find<QComboBox>("ComboSred")->isVisible());
        QVERIFY(!find<QLabel>("Label9")->isVisible());
        QCOMPARE(platform->messages(),
                 std::vector<std::string>{"Wybór rury optymalnej klasy T spośród typów:\r\n- PVC lita\r\n"
                                          "- ZORKA\r\n- KLOMEX   ( klasa T)\r\n- PE 100  (SDR=23,4)"});
        typeInto("Bqwe", "10");
        typeInto("Bimin", "5");
        press("Button1");
        QCOMPARE(shown("Bnrkat"), " KLX-160");
        QCOMPARE(shown("Bkl"), "T");
    }

    void messagesArriveThroughThePlatformServices() {
        press("Button1");
        QCOMPARE(platform->errors(), std::vector<std::string>{"Nie podano wartości przepływu Q"});
        typeInto("Bqwe", "500");
        typeInto("Bimin", "1");
        press("Button1");
        QCOMPARE(platform->errors().back(), "W tej klasie rur nie można spełnić\r\npodanych warunków");
        typeInto("Bqwe", "1.000.5");
        press("Button1");
        QCOMPARE(platform->errors().back(), "'1,000.5' is not a valid floating point value");
        QCOMPARE(shown("Bqwe"), "1,000.5");
        QCOMPARE(results(), QStringList(10, QString()));
    }

    void decimalPointBecomesACommaInTheField() {
        typeInto("Bqwe", "10.5");
        typeInto("Bimin", "5");
        press("Button1");
        QCOMPARE(shown("Bqwe"), "10,5");
        QCOMPARE(shown("Bd"), "160 / 150,6");
    }

    void charactersOutsideCodePage1250AreNotTaken() {
        QLineEdit* name = find<QLineEdit>("Bnazod");
        typeInto("Bnazod", "Odcinek ");
        for (const QString& typed : {QString::fromUtf8("→"), QString::fromUtf8("ł")}) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
            QApplication::sendEvent(name, &key);
        }
        QCOMPARE(shown("Bnazod"), QString::fromUtf8("Odcinek ł"));
    }

    void tabMovesThroughTheInputsInTheirOrder() {
        find<QComboBox>("Combo_Typ")->setFocus();
        QStringList visited;
        for (int step = 0; step < 5; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        // The hidden SDR list is passed over; the radio group keeps its checked item.
        QCOMPARE(visited.mid(0, 3), (QStringList{"ComboSred", "Bqwe", "Bimin"}));
        QVERIFY(qobject_cast<QRadioButton*>(QApplication::focusWidget()));
    }

    void tabEntersEachRadioGroupAtItsCheckedItemAndArrowsMoveTheCheck() {
        TForm1& f = program->Form1();
        program->act([&] {
            f.RadioGroup1.setItemIndex(sewage_kind::kDomestic);
            f.RadioGroup2.setItemIndex(slope_criterion::kMinimise);
            f.RadioGroup3.setItemIndex(pipe_criterion::kNormativeVentilation);
            f.RadioGroup4.setItemIndex(local_losses::kLarge);
        });
        view->refresh();
        view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view.get()));
        find<QLineEdit>("Bimin")->setFocus();
        const auto tabTo = [](RadioGroupBox* group, int item) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            return QApplication::focusWidget() == group->button(item);
        };
        QVERIFY(tabTo(find<RadioGroupBox>("RadioGroup1"), sewage_kind::kDomestic));
        QVERIFY(tabTo(find<RadioGroupBox>("RadioGroup2"), slope_criterion::kMinimise));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // Bistart
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // Bistop
        QVERIFY(tabTo(find<RadioGroupBox>("RadioGroup3"), pipe_criterion::kNormativeVentilation));
        QVERIFY(tabTo(find<RadioGroupBox>("RadioGroup4"), local_losses::kLarge));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(f.RadioGroup4.ItemIndex(), local_losses::kSmall);
        QCOMPARE(QApplication::focusWidget(), find<RadioGroupBox>("RadioGroup4")->button(local_losses::kSmall));
    }

    void koniecEndsTheProgram() {
        press("Button2");
        QVERIFY(platform->terminated());
    }

    void errorBoxHasTheErrorIconAndOk() {
        QtPlatform desktop;
        bool refreshed = false;
        desktop.setBeforeModal([&] { refreshed = true; });
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            icon = box->icon();
            QCOMPARE(box->buttons().size(), 1);
            box->button(QMessageBox::Ok)->click();
        });
        desktop.showError("Brak zbioru \"pipe_vexa.dat\"");
        QVERIFY(refreshed);
        QCOMPARE(text, "Brak zbioru \"pipe_vexa.dat\"");
        QCOMPARE(icon, QMessageBox::Critical);
    }

    void confirmationAnswersYesOrNo() {
        QtPlatform desktop;
        for (const bool yes : {true, false}) {
            QTimer::singleShot(0, [yes] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                for (QAbstractButton* button : box->buttons())
                    if (button->text() == (yes ? "Tak" : "Nie")) button->click();
            });
            QCOMPARE(desktop.confirm("Czy wyczyścić notatnik ?"), yes);
        }
    }
};

}  // namespace vexa

int runDesignWindowViewTests(int argc, char** argv) {
    vexa::DesignWindowViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "design_window_view_test.moc"

// The parametric window on the offscreen platform: "Flow" in the real design
// window shows it, a click on its real flow slider recomputes the design
// window, and activating the design window hides it again.

#include "qt/parametric_window_view.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QtTest>
#include <memory>

#include "catalogue/design_choices.h"
#include "qt/design_window_view.h"
#include "qt/radio_group_box.h"
#include "support/recording_platform.h"
#include "support/started_design_window.h"
#include "windows/parametric_window.h"
#include "windows/program.h"

namespace vexa {

class ParametricWindowViewTest : public QObject, protected StartedDesignWindow {
    Q_OBJECT

private slots:
    void init() {
        start(QFINDTESTDATA("../data/small_catalogue.dat"));
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }

    void cleanup() { stop(); }

    void flowSliderClickRecomputesTheDesignWindow() {
        typeInto("Bqwe", "10");
        typeInto("Bimin", "5");
        press("Flow");
        auto* window = find<ParametricWindowView>("Form3");
        QVERIFY(window->isVisible());
        QVERIFY(window->windowFlags().testFlag(Qt::Tool));
        QCOMPARE(window->windowTitle(), QString(24, ' ') + "Parametryczny dobór rury");
        QCOMPARE(window->size(), QSize(334, 326));
        const QString before = find<QLineEdit>("Bd")->text();
        QVERIFY(!before.isEmpty());

        auto* slider = find<QSlider>(window, "TB1");
        QCOMPARE(slider->value(), 100);
        QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() * 3 / 4, slider->height() / 2));
        QVERIFY(slider->value() > 600);
        QCOMPARE(find<QLineEdit>(window, "Edit1")->text(), find<QLineEdit>("Bqwe")->text());
        QVERIFY(find<QLineEdit>("Bd")->text() != before);
        QTest::keyClick(slider, Qt::Key_PageDown);  // one position, 0,1 l/s
        QCOMPARE(find<QLineEdit>("Bqwe")->text(), QString::number(slider->value() / 10.0).replace('.', ','));

        view->activateWindow();
        QTRY_VERIFY(!window->isVisible());
        QVERIFY(platform->errors().empty());
    }

    void tabEntersEachRadioGroupAtItsCheckedItem() {
        typeInto("Bqwe", "500");
        typeInto("Bimin", "10,5");  // flow range 1, slope range 1, both set from code
        press("Flow");
        auto* window = find<ParametricWindowView>("Form3");
        program->act([&] { program->Form3().RadioGroup3.setItemIndex(local_losses::kLarge); });
        window->refresh();
        QVERIFY(QTest::qWaitForWindowActive(window));
        const auto tabFrom = [&](const char* widget, const char* group, int item) {
            QWidget* start = find<QWidget>(window, widget);
            start->setFocus();
            QTest::keyClick(start, Qt::Key_Tab);
            return window->focusWidget() == find<RadioGroupBox>(window, group)->button(item);
        };
        QVERIFY(tabFrom("Oblicz", "RadioGroup2", 1));
        QVERIFY(tabFrom("TB2", "RadioGroup3", local_losses::kLarge));
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);  // round to the first control
        QCOMPARE(window->focusWidget(), find<RadioGroupBox>(window, "RadioGroup1")->button(1));
    }
};

}  // namespace vexa

int runParametricWindowViewTests(int argc, char** argv) {
    vexa::ParametricWindowViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "parametric_window_view_test.moc"

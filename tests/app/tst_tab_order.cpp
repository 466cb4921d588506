// Tab and Enter walk each page in the order of its layout and stop only on controls the user
// can see and use; the map page keeps its own order (speed row, then the cells row by row).

#include "CodeNames.h"
#include "Controls.h"
#include "WindowFixture.h"

#include <QComboBox>
#include <QTabWidget>
#include <QtTest>
#include <tuple>

namespace {

// Where a stop sits in reading order: its group on the page (or itself), then within the group.
std::tuple<int, int, int, int> readingPlace(const QWidget* widget, const QWidget* page) {
    const QWidget* group = widget;
    while (group->parentWidget() != page)
        group = group->parentWidget();
    const QPoint inGroup = widget->mapTo(group, QPoint(0, 0));
    return {group->y(), group->x(), inGroup.y(), inGroup.x()};
}

} // namespace

class TestTabOrder : public QObject {
    Q_OBJECT
private slots:
    void tabFollowsTheLayout_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("bikePosition");
        QTest::newRow("Miscellaneous") << int(Page::miscellaneous) << BikePosition::yamahaR6;
        QTest::newRow("Bike, special setting") << int(Page::bike) << BikePosition::special;
        QTest::newRow("Bike, a model") << int(Page::bike) << BikePosition::harley;
        QTest::newRow("Servo") << int(Page::servo) << BikePosition::yamahaR6;
    }
    void tabFollowsTheLayout() {
        QFETCH(int, page);
        QFETCH(int, bikePosition);
        WindowFixture window;
        window.find<QComboBox>(Control::bikeList)->setCurrentIndex(bikePosition);
        window.edits().modelChosen();
        window.showWith([](varko::ParamImage& image) { image.servoEnable() = 1; });
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(&*window));
        auto* pages = window.find<QTabWidget>(Control::pages);
        pages->setCurrentIndex(page);
        QWidget* pageWidget = pages->widget(page);

        QWidget* first = nullptr;
        for (QWidget* w : pageWidget->findChildren<QWidget*>()) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() &&
                (first == nullptr || readingPlace(w, pageWidget) < readingPlace(first, pageWidget)))
                first = w;
        }
        QVERIFY(first != nullptr);
        first->setFocus(Qt::TabFocusReason);
        QWidget* stop = first;
        int stops = 1;
        while (true) {
            QTest::keyClick(stop, Qt::Key_Tab);
            QWidget* next = QApplication::focusWidget();
            if (next == first || !pageWidget->isAncestorOf(next))
                break;
            QVERIFY2(next->isVisible() && next->isEnabled(), qPrintable(next->objectName()));
            QVERIFY2(readingPlace(stop, pageWidget) < readingPlace(next, pageWidget),
                     qPrintable(stop->objectName() + " -> " + next->objectName()));
            stop = next;
            QVERIFY(++stops < 200);
        }
        QVERIFY(stops > 1);
    }

    // From Gear Shift Light, Enter moves on down the page, not up to the limiter.
    void enterMovesDownFromGearShiftLight() {
        WindowFixture window;
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(&*window));
        window.find<QTabWidget>(Control::pages)->setCurrentIndex(Page::miscellaneous);
        QLineEdit* shiftLight = window.edit(Control::pilotLightEdit);
        shiftLight->setFocus(Qt::TabFocusReason);
        QTest::keyClick(shiftLight, Qt::Key_Return);
        const QWidget* next = QApplication::focusWidget();
        QVERIFY(next->mapTo(&*window, QPoint(0, 0)).y() >
                shiftLight->mapTo(&*window, QPoint(0, 0)).y());
    }
};

QTEST_MAIN(TestTabOrder)
#include "tst_tab_order.moc"

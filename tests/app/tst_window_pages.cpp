// Every page of the window: each control fits inside its parent and no two sibling controls
// overlap. With VARKO_SCREENSHOT_DIR set, each page is also written there as a picture.

#include "CodeNames.h"
#include "WindowFixture.h"
#include "model/Presets.h"

#include <QTabWidget>
#include <QtTest>

class TestWindowPages : public QObject {
    Q_OBJECT
private slots:
    void pagesFitAndDoNotOverlap();
    void screenshots();
};

namespace {

bool shownByName(const QWidget* w) {
    return !w->isHidden();
}

void checkChildren(QWidget* parent) {
    const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (!shownByName(child) || child->objectName().isEmpty() || child->isWindow()) {
            continue;
        }
        QVERIFY2(parent->rect().contains(child->geometry()),
                 qPrintable(child->objectName() + " leaves " + parent->objectName()));
        for (QWidget* other : children) {
            if (other == child || !shownByName(other) || other->objectName().isEmpty() ||
                other->isWindow()) {
                continue;
            }
            QVERIFY2(!child->geometry().intersects(other->geometry()),
                     qPrintable(child->objectName() + " overlaps " + other->objectName()));
        }
        checkChildren(child);
    }
}

} // namespace

// The most crowded look: the special setting with four channels and two pick-ups, the throttle
// map, the servo and the clutch master all on.
void showEverything(WindowFixture& window) {
    window.showWith([](varko::ParamImage& image) {
        image.bike() = varko::kBikeSpecial;
        image.synchroMethod() = Synchro::twoPickups;
        image.channelCount() = 4;
        image.throttleMap() = 1;
        image.servoEnable() = 1;
        image.input2() = InputFunction::clutchMaster;
    });
}

void TestWindowPages::pagesFitAndDoNotOverlap() {
    for (bool everything : {false, true}) {
        WindowFixture window;
        if (everything) {
            showEverything(window);
        }
        window->show();
        auto* pages = window.find<QTabWidget>("PageControl1");
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            checkChildren(window.find("ClientArea"));
        }
    }
}

void TestWindowPages::screenshots() {
    const QString dir = qEnvironmentVariable("VARKO_SCREENSHOT_DIR");
    if (dir.isEmpty()) {
        QSKIP("VARKO_SCREENSHOT_DIR not set");
    }
    for (bool everything : {false, true}) {
        WindowFixture window;
        if (everything) {
            showEverything(window);
        }
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(&*window));
        auto* pages = window.find<QTabWidget>("PageControl1");
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            QTest::qWait(50);
            const QString file = QString("%1/%2page%3.png").arg(dir, everything ? "all-" : "");
            QVERIFY(window->grab().save(file.arg(page)));
        }
    }
}

QTEST_MAIN(TestWindowPages)
#include "tst_window_pages.moc"

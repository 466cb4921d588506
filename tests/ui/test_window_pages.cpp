// Every page of the window: each control fits inside its parent and no two sibling controls
// overlap. With VARKO_SCREENSHOT_DIR set, each page is also written there as a picture.

#include "WindowFixture.h"

#include <QTabWidget>
#include <QtTest>

class WindowPagesTest : public QObject {
    Q_OBJECT
private slots:
    void pagesFitAndDoNotOverlap();
    void screenshots();
};

namespace {

// Controls that the display rules place on top of each other by design (map row 9 takes the
// place of row 0 while the throttle axis is off, when row 0 is hidden).
bool Shown(const QWidget* w) {
    return !w->isHidden();
}

void CheckChildren(QWidget* parent) {
    const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (!Shown(child) || child->objectName().isEmpty() || child->isWindow()) {
            continue;
        }
        QVERIFY2(parent->rect().contains(child->geometry()),
                 qPrintable(child->objectName() + " leaves " + parent->objectName()));
        for (QWidget* other : children) {
            if (other == child || !Shown(other) || other->objectName().isEmpty() ||
                other->isWindow()) {
                continue;
            }
            QVERIFY2(!child->geometry().intersects(other->geometry()),
                     qPrintable(child->objectName() + " overlaps " + other->objectName()));
        }
        CheckChildren(child);
    }
}

} // namespace

void WindowPagesTest::pagesFitAndDoNotOverlap() {
    WindowFixture window;
    window->show();
    auto* pages = window.find<QTabWidget>("PageControl1");
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        CheckChildren(pages->widget(page));
    }
}

void WindowPagesTest::screenshots() {
    const QString dir = qEnvironmentVariable("VARKO_SCREENSHOT_DIR");
    if (dir.isEmpty()) {
        QSKIP("VARKO_SCREENSHOT_DIR not set");
    }
    WindowFixture window;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(&*window));
    auto* pages = window.find<QTabWidget>("PageControl1");
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QTest::qWait(50);
        QVERIFY(window->grab().save(QString("%1/page%2.png").arg(dir).arg(page)));
    }
}

QTEST_MAIN(WindowPagesTest)
#include "test_window_pages.moc"

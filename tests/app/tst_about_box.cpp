// The about box: created hidden with the window, its fixed contents, a caption in the language
// current when it opens, and OK closing it.

#include "Controls.h"
#include "FlowsFixture.h"

#include <QDialog>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QtTest>

namespace {

constexpr const char* kLanguageItems[] = {Control::englishItem, Control::germanItem,
                                          Control::frenchItem, Control::czechItem};

QDialog* aboutBox(const FlowsFixture& f) {
    return f.window.find<QDialog>(Control::aboutBox);
}

QLabel* label(const FlowsFixture& f, const char* name) {
    return aboutBox(f)->findChild<QLabel*>(name);
}

// Opens the box from the Help menu and clicks its OK once it is active; returns the caption it
// had then, or "not closed" when the click did not end the modal showing.
QString captionWhileOpen(FlowsFixture& f) {
    QString caption = QStringLiteral("never active");
    bool closedByOk = false;
    QTimer::singleShot(0, aboutBox(f), [&] {
        QDialog* box = aboutBox(f);
        if (QTest::qWaitFor([box] { return box->isActiveWindow(); }, 5000))
            caption = box->windowTitle();
        QLabel* ok = label(f, Control::aboutOk);
        QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
        closedByOk = !box->isVisible();
        box->close(); // a box that ignored the click must not hang the test
    });
    f.trigger(Control::aboutItem);
    return closedByOk ? caption : QStringLiteral("not closed");
}

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void builtHiddenWithItsFixedContents() {
        FlowsFixture f;
        QDialog* box = aboutBox(f);
        QVERIFY(box != nullptr);
        QVERIFY(box->isHidden());
        QCOMPARE(box->windowTitle(), QString("BRISKAL VARKO"));
        QCOMPARE(box->size(), QSize(342, 420));
        QVERIFY(
            !(box->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(box->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(label(f, Control::unitKeyLabel)->text(), QString("Version - 75"));
        QVERIFY(QRegularExpression(
                    "^(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) [1-9]\\d? \\d{4}$")
                    .match(label(f, Control::buildDateLabel)->text())
                    .hasMatch());
        QVERIFY(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$")
                    .match(label(f, Control::buildTimeLabel)->text())
                    .hasMatch());
        QVERIFY(!label(f, Control::aboutLogo)->pixmap().isNull());
        QCOMPARE(label(f, Control::aboutLogo)->geometry(), QRect(32, 72, 161, 81));
        QCOMPARE(label(f, Control::aboutText)->pos(), QPoint(16, 24));
        QCOMPARE(label(f, Control::aboutText)->font().pixelSize(), 16);
        QCOMPARE(label(f, Control::buildDateLabel)->pos(), QPoint(32, 350));
        QCOMPARE(label(f, Control::unitKeyLabel)->font().pixelSize(), 11);
        QCOMPARE(label(f, Control::aboutOk)->pos(), QPoint(272, 368));
        QCOMPARE(label(f, Control::aboutOk)->font().pixelSize(), 23);
        // No label is cut off at the box's edge.
        for (const QLabel* each : box->findChildren<QLabel*>()) {
            QVERIFY2(box->rect().contains(each->geometry()), qPrintable(each->objectName()));
            QVERIFY2(each->width() >= each->sizeHint().width(), qPrintable(each->text()));
        }
    }

    // Centred once when it is made; a later screen change does not move it.
    void centredAtCreation() {
        FlowsFixture f;
        const QRect screen = aboutBox(f)->screen()->geometry();
        const QPoint centred(screen.width() / 2 - 342 / 2, screen.height() / 2 - 420 / 2);
        QCOMPARE(aboutBox(f)->pos(), centred);
        captionWhileOpen(f);
        QCOMPARE(aboutBox(f)->pos(), centred);
    }

    // The first showing in English, then another after the switch: the caption is the one of the
    // language current at that showing.
    void captionOfTheLanguageWhenOpened_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::newRow("English") << 0 << "About VARKO";
        QTest::newRow("German") << 1 << "Über Programm VARKO";
        QTest::newRow("French") << 2 << "Information VARKO";
        QTest::newRow("Czech") << 3 << "O programu VARKO";
    }
    void captionOfTheLanguageWhenOpened() {
        QFETCH(int, language);
        QFETCH(QString, caption);
        FlowsFixture f;
        QCOMPARE(captionWhileOpen(f), QString("About VARKO"));
        f.trigger(kLanguageItems[language]);
        QCOMPARE(captionWhileOpen(f), caption);
        QCOMPARE(aboutBox(f)->windowTitle(), caption); // kept while hidden
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_about_box.moc"

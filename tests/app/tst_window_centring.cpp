// Where the window comes up when it is centred: the frame it shows with (title bar, borders and
// the menu bar at its real height) in the middle of its screen, also on a screen that does not
// start at the desktop's origin; a placement kept from the settings file stays where it was.

#include "ScopedConfigDir.h"
#include "ScriptedMessageBoxes.h"
#include "TestFiles.h"
#include "app/ProgramWindow.h"
#include "storage/ConfigPaths.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryFile>
#include <QtTest>

namespace {

// Larger than the window, away from the origin. The offscreen platform's own screen, 800 x 800
// at the origin, is narrower than the window.
constexpr QRect kScreen(100, 50, 1600, 1000);

// To the half pixel that whole-pixel placement leaves.
bool centredOnItsScreen(const QWidget& window) {
    const QPointF offset =
        QRectF(window.frameGeometry()).center() - QRectF(window.screen()->geometry()).center();
    return qAbs(offset.x()) <= 0.5 && qAbs(offset.y()) <= 0.5;
}

QString placementText(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    return QStringLiteral("frame at %1,%2 size %3x%4")
        .arg(frame.x())
        .arg(frame.y())
        .arg(frame.width())
        .arg(frame.height());
}

} // namespace

class TestWindowCentring : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::primaryScreen()->geometry(), kScreen); }

    void placementAsShown_data() {
        QTest::addColumn<QByteArray>("settings"); // keys of the settings file; none: no file
        QTest::addColumn<bool>("centred");
        QTest::addColumn<QPoint>("stored");
        QTest::newRow("first start") << QByteArray() << true << QPoint();
        QTest::newRow("no placement stored") << QByteArray("ComPort=3\r\n") << true << QPoint();
        QTest::newRow("only a size stored")
            << QByteArray("Width=1100\r\nHeight=850\r\n") << true << QPoint();
        QTest::newRow("placement off every screen")
            << QByteArray("Left=40\r\nTop=-32767\r\n") << true << QPoint();
        QTest::newRow("placement on the screen")
            << QByteArray("Left=300\r\nTop=200\r\n") << false << QPoint(300, 200);
    }

    void placementAsShown() {
        QFETCH(QByteArray, settings);
        QFETCH(bool, centred);
        QFETCH(QPoint, stored);
        ScopedConfigDir config;
        if (!settings.isEmpty()) {
            config.varkoDir();
            writeTestFile(varko::settingsFilePath(), "[FORM_HLAV]\r\n" + settings);
        }
        ScriptedMessageBoxes boxes;
        const auto window = startProgramWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        if (centred)
            QVERIFY2(centredOnItsScreen(*window), qPrintable(placementText(*window)));
        else
            QCOMPARE(window->pos(), stored);
    }
};

int main(int argc, char** argv) {
    QTemporaryFile screens;
    if (!screens.open())
        return 1;
    screens.write(QStringLiteral(R"({"windowFrameMargins": true, "screens": [{"name": "test",
        "x": %1, "y": %2, "width": %3, "height": %4,
        "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                      .arg(kScreen.x())
                      .arg(kScreen.y())
                      .arg(kScreen.width())
                      .arg(kScreen.height())
                      .toUtf8());
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    QApplication app(argc, argv);
    TestWindowCentring test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_centring.moc"

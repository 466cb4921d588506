// The compare view: one row per differing value, named and shown as the window shows it, the
// marks on the pages while it is open, taking values as one undo step, and File > Compare with
// file, where a value the file does not hold is a row of its own that cannot be taken.

#include "Controls.h"
#include "FlowsFixture.h"
#include "TestFiles.h"
#include "app/CompareFlows.h"
#include "model/Messages.h"
#include "storage/ParamFile.h"
#include "ui/CompareView.h"
#include "ui/ComparisonMark.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using varko::ParamImage;

class TestCompareView : public QObject {
    Q_OBJECT
private slots:
    void rowShowsValue_data();
    void rowShowsValue();
    void languageRenamesRows();
    void takeAllIsOneUndoStep();
    void takeTakesOnlyItsRow();
    void marksWhileOpen();
    void compareWithFile_data();
    void compareWithFile();
    void fileThatLacksValues_data();
    void fileThatLacksValues();
    void takeAllLeavesWhatTheFileLacks();
    void fileWithoutAnyKey();
};

namespace {

constexpr int kMapCell = varko::Field::advance + 10 * 4 + 3; // 20 % throttle, fourth speed
const QString kMapCellEdit = Control::mapCellEdit(4, 3);

// The window's set with the speeds that name the map cell and the servo point.
void setSpeeds(ParamImage& image) {
    image.rpmAdv(3) = 40;
    image.servoRpm(2) = 30;
}

CompareView* view(const WindowFixture& window) {
    return window.find<CompareView>(Control::compareView);
}

QStringList rowTexts(const WindowFixture& window, int row) {
    const QTreeWidgetItem* item = view(window)->rowList()->topLevelItem(row);
    QStringList texts;
    for (int column = 0; column < 4; ++column)
        texts << item->text(column);
    return texts;
}

int rowCount(const WindowFixture& window) {
    return view(window)->rowList()->topLevelItemCount();
}

void click(const WindowFixture& window, const char* button) {
    view(window)->findChild<QPushButton*>(button)->click();
}

QStringList markedControls(const WindowFixture& window) {
    QStringList names;
    for (const ComparisonMark* mark : window->findChildren<ComparisonMark*>())
        names << mark->target()->objectName();
    names.sort();
    return names;
}

// The window's set with the limiter and a map cell changed: a second set to compare with.
ParamImage twoValuesChanged(const ParamImage& image) {
    ParamImage other = image;
    other.limiter() = static_cast<std::uint8_t>(image.limiter() == 120 ? 110 : 120);
    other[kMapCell] = static_cast<std::uint8_t>(image[kMapCell] == 15 ? 16 : 15);
    return other;
}

} // namespace

void TestCompareView::rowShowsValue_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("windowByte");
    QTest::addColumn<int>("otherByte");
    QTest::addColumn<QStringList>("row"); // page, caption, window's value, other's value

    QTest::newRow("map cell by speed and throttle")
        << kMapCell << 12 << 15 << QStringList{"Advance Map", "4,000 rpm / 20 %", "12", "15"};
    QTest::newRow("limiter in rpm")
        << int(varko::Field::limiter) << 105 << 120
        << QStringList{"Miscellaneous", "Limiter [rpm]", "10,500", "12,000"};
    QTest::newRow("servo voltage by its speed")
        << varko::Field::servoMv + 2 << 100 << 60
        << QStringList{"Servo", "Servo, 3,000 rpm [mV]", "2,000", "1,200"};
    QTest::newRow("flag") << int(varko::Field::excitation) << 0 << 1
                          << QStringList{"Miscellaneous", "Excitation Long", "NO", "YES"};
    QTest::newRow("channel flag") << varko::Field::maxAdvEdge2 + 1 << 1 << 0
                                  << QStringList{"Bike", "Channel 2, Maximum advance, 2nd Edge",
                                                 "YES", "NO"};
    QTest::newRow("radio list") << int(varko::Field::input2) << 0 << 3
                                << QStringList{"Miscellaneous", "Input 2", "Off", "Clutch master"};
    QTest::newRow("list without caption")
        << int(varko::Field::ignitionsPerRev) << 1 << 0
        << QStringList{"Bike", "Ignitions per revolution", "1 ignition per revolution",
                       "1 ignition per 2 revolutions (camshaft)"};
    QTest::newRow("byte no control shows")
        << 14 << 0 << 7 << QStringList{"", "Other bytes", "14: 0", "14: 7"};
}

void TestCompareView::rowShowsValue() {
    QFETCH(int, offset);
    QFETCH(int, windowByte);
    QFETCH(int, otherByte);
    QFETCH(QStringList, row);
    FlowsFixture f;
    f.window.showWith([&](ParamImage& image) {
        setSpeeds(image);
        image[offset] = static_cast<std::uint8_t>(windowByte);
    });
    ParamImage other = f.window.document().image();
    other[offset] = static_cast<std::uint8_t>(otherByte);

    f.window.comparison().showComparison(other, "other.ign");
    QVERIFY(view(f.window) != nullptr);
    QCOMPARE(rowCount(f.window), 1);
    QCOMPARE(rowTexts(f.window, 0), row);
}

// The rows follow the window's language while the view is open.
void TestCompareView::languageRenamesRows() {
    FlowsFixture f;
    ParamImage other = f.window.document().image();
    other.excitation() = other.excitation() == 0 ? 1 : 0;
    f.window.comparison().showComparison(other, "/tmp/tune.ign");
    QCOMPARE(view(f.window)->windowTitle(), "Compare with /tmp/tune.ign");

    f.trigger(Control::germanItem);
    QCOMPARE(view(f.window)->windowTitle(), "Vergleich mit /tmp/tune.ign");
    const QStringList row = rowTexts(f.window, 0);
    QCOMPARE(row[0], "Verschiedenes");
    QCOMPARE(row[1], "Lange Erregung");
    QVERIFY(row[2] == "JA" || row[2] == "NEIN");
}

void TestCompareView::takeAllIsOneUndoStep() {
    FlowsFixture f;
    const ParamImage before = f.window.document().image();
    ParamImage other = twoValuesChanged(before);
    other.excitation() = before.excitation() == 0 ? 1 : 0;
    other.input2() = before.input2() == 3 ? 0 : 3;
    f.window.comparison().showComparison(other, "other.ign");
    QCOMPARE(rowCount(f.window), 4);

    click(f.window, Control::compareTakeAllButton);
    QCOMPARE(f.window.document().image(), other);
    QCOMPARE(rowCount(f.window), 0);
    QCOMPARE(view(f.window)->findChild<QLabel*>(Control::compareSummary)->text(),
             "The sets are equal.");

    f.trigger(Control::undoItem);
    QCOMPARE(f.window.document().image(), before);
    QCOMPARE(rowCount(f.window), 4); // the rows follow the window back
}

void TestCompareView::takeTakesOnlyItsRow() {
    FlowsFixture f;
    f.window.showWith(setSpeeds);
    const ParamImage before = f.window.document().image();
    const ParamImage other = twoValuesChanged(before);
    f.window.comparison().showComparison(other, "other.ign");
    QCOMPARE(rowCount(f.window), 2);
    QCOMPARE(rowTexts(f.window, 0)[0], "Miscellaneous"); // the pages in the order of the tabs

    view(f.window)->rowList()->topLevelItem(0)->setSelected(true);
    click(f.window, Control::compareTakeButton);
    QCOMPARE(f.window.document().image().limiter(), other.limiter());
    QCOMPARE(f.window.document().image()[kMapCell], before[kMapCell]);
    QCOMPARE(rowCount(f.window), 1);
    QCOMPARE(rowTexts(f.window, 0)[0], "Advance Map");

    f.trigger(Control::undoItem);
    QCOMPARE(f.window.document().image(), before);
}

void TestCompareView::marksWhileOpen() {
    FlowsFixture f;
    f.window.comparison().showComparison(twoValuesChanged(f.window.document().image()),
                                         "other.ign");
    QCOMPARE(markedControls(f.window), (QStringList{kMapCellEdit, Control::limiterEdit}));

    click(f.window, Control::compareTakeAllButton); // nothing differs any more
    QCOMPARE(markedControls(f.window), QStringList());

    f.window.comparison().showComparison(twoValuesChanged(f.window.document().image()),
                                         "other.ign");
    QCOMPARE(markedControls(f.window).size(), 2);
    view(f.window)->close();
    QCOMPARE(markedControls(f.window), QStringList());
}

void TestCompareView::compareWithFile_data() {
    QTest::addColumn<bool>("readable");
    QTest::newRow("file of another set") << true;
    QTest::newRow("file that cannot be read") << false;
}

void TestCompareView::compareWithFile() {
    QFETCH(bool, readable);
    FlowsFixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath("other.ign");
    const ParamImage before = f.window.document().image();
    if (readable)
        writeTestFile(path, varko::writeParamFile(twoValuesChanged(before)));
    f.dialogs.paths = {path};

    f.trigger(Control::compareFileItem);
    QCOMPARE(f.window.document().image(), before); // the window keeps its set
    QCOMPARE(f.fileLabel(), QString());
    if (!readable) {
        QCOMPARE(f.window.boxes.shown, QStringList{varko::messageText(varko::Msg::openFileError,
                                                                      varko::Language::English)});
        QVERIFY(view(f.window) == nullptr);
        return;
    }
    QVERIFY(f.window.boxes.shown.isEmpty());
    QCOMPARE(view(f.window)->windowTitle(), "Compare with " + path);
    QCOMPARE(rowCount(f.window), 2);
}

namespace {

// Chooses the file with content in Compare with file, as a user would.
void compareWithFileHolding(FlowsFixture& f, const QTemporaryDir& dir, const QByteArray& content) {
    const QString path = dir.filePath("other.ign");
    writeTestFile(path, content);
    f.dialogs.paths = {path};
    f.trigger(Control::compareFileItem);
}

QString summary(const WindowFixture& window) {
    return view(window)->findChild<QLabel*>(Control::compareSummary)->text();
}

bool buttonEnabled(const WindowFixture& window, const char* button) {
    return view(window)->findChild<QPushButton*>(button)->isEnabled();
}

} // namespace

// The window's own set, so every row is one the file lacks: none may pass for equal.
void TestCompareView::fileThatLacksValues_data() {
    QTest::addColumn<int>("cutAfter"); // bytes of the window's file kept; 0: only the file key
    QTest::addColumn<QString>("summary");
    QTest::newRow("only the file key") << 0 << "185 value(s) not in the file.";
    QTest::newRow("cut after 300 bytes") << 300 << "160 value(s) not in the file.";
}

void TestCompareView::fileThatLacksValues() {
    QFETCH(int, cutAfter);
    QFETCH(QString, summary);
    FlowsFixture f;
    QTemporaryDir dir;
    const QByteArray own = varko::writeParamFile(f.window.document().image());
    compareWithFileHolding(f, dir, cutAfter == 0 ? "KALUBREN_KEY 75" : own.left(cutAfter));

    QVERIFY(f.window.boxes.shown.isEmpty());
    QCOMPARE(::summary(f.window), summary);
    QVERIFY(rowCount(f.window) > 100);
    for (int row = 0; row < rowCount(f.window); ++row)
        QCOMPARE(rowTexts(f.window, row)[3], "not in the file");
    QVERIFY(!buttonEnabled(f.window, Control::compareTakeAllButton));
    view(f.window)->rowList()->topLevelItem(0)->setSelected(true);
    QVERIFY(!buttonEnabled(f.window, Control::compareTakeButton));
    QCOMPARE(markedControls(f.window).size(), rowCount(f.window)); // one control each
}

void TestCompareView::takeAllLeavesWhatTheFileLacks() {
    FlowsFixture f;
    QTemporaryDir dir;
    const ParamImage before = f.window.document().image();
    ParamImage other = before;
    other.limiter() = static_cast<std::uint8_t>(before.limiter() == 120 ? 110 : 120);
    other.servoMv(0) = static_cast<std::uint8_t>(before.servoMv(0) == 100 ? 90 : 100);
    // The servo voltages taken out: the file's own value for them is not there to take.
    compareWithFileHolding(f, dir, varko::writeParamFile(other).replace("SERVO_MV", "NONE"));
    QCOMPARE(rowCount(f.window), 11);
    QCOMPARE(::summary(f.window), "1 value(s) differ. 10 value(s) not in the file.");

    click(f.window, Control::compareTakeAllButton);
    QCOMPARE(f.window.document().image().limiter(), other.limiter());
    QCOMPARE(f.window.document().image().servoMv(0), before.servoMv(0));
    QCOMPARE(rowCount(f.window), 10);
    QCOMPARE(::summary(f.window), "10 value(s) not in the file.");
    f.trigger(Control::undoItem);
    QCOMPARE(f.window.document().image(), before);
}

void TestCompareView::fileWithoutAnyKey() {
    FlowsFixture f;
    QTemporaryDir dir;
    compareWithFileHolding(f, dir, "BIKE 20\r\nLIMITER 90\r\n");
    QCOMPARE(f.window.boxes.warnings,
             QStringList{dir.filePath("other.ign") +
                         "\nis not a parameter file: it holds no KALUBREN_KEY."});
    QVERIFY(view(f.window) == nullptr);
}

QTEST_MAIN(TestCompareView)
#include "tst_compare_view.moc"

// The display rules as the widgets show them.

#include "CodeNames.h"
#include "Controls.h"
#include "PaintedColour.h"
#include "WindowFixture.h"
#include "model/Presets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>
#include <functional>

using namespace varko;

class TestWindowRules : public QObject {
    Q_OBJECT
private slots:
    void modelPresetGreysTheGeometry();
    void specialSettingWithMethods();
    void twoChannels();
    void throttleMapOffMovesRowNine();
    void servoOff();
    void clutchAndNeutral();
    void warningBoxesArePaintedRed_data();
    void warningBoxesArePaintedRed();
};

namespace {

void showSpecial(WindowFixture& window, int synchro) {
    window.showWith([synchro](ParamImage& image) {
        image.bike() = kBikeSpecial;
        image.synchroMethod() = static_cast<std::uint8_t>(synchro);
    });
}

} // namespace

void TestWindowRules::modelPresetGreysTheGeometry() {
    WindowFixture window; // "Yamaha R6": method 1, five lobes
    QVERIFY(!window.enabled(Control::specialSynchroGroup));
    QVERIFY(!window.enabled(Control::longExcitationBox));
    QVERIFY(!window.shown(Control::lobeCountUpDown));
    QVERIFY(!window.shown(Control::maxAdvanceLobeUpDown(1)));
    QCOMPARE(window.edit(Control::lobeCountEdit)->text(), QString("5"));
    QCOMPARE(window.edit(Control::maxAdvanceLobeEdit(2))->text(), QString("3"));
}

void TestWindowRules::specialSettingWithMethods() {
    WindowFixture window;
    showSpecial(window, Synchro::insertedLobe);
    QVERIFY(window.enabled(Control::specialSynchroGroup));
    QVERIFY(window.enabled(Control::lobeCountEdit));
    QVERIFY(window.shown(Control::lobeCountUpDown));
    QVERIFY(window.shown(Control::startAdvanceLobeUpDown(1)));
    QVERIFY(!window.shown(Control::noLobeCheckBox));

    showSpecial(window, Synchro::singleLobe);
    QVERIFY(!window.enabled(Control::lobeCountEdit));
    QVERIFY(!window.enabled(Control::maxAdvanceLobeEdit(1)));
    QVERIFY(!window.shown(Control::lobeCountUpDown));
    QVERIFY(!window.shown(Control::maxAdvanceLobeUpDown(1)));
    QVERIFY(window.shown(Control::noLobeCheckBox));
    QVERIFY(window.shown(Control::maxAdvancePickup2Box(1)));
    QVERIFY(window.shown(Control::invertInput2Box));

    showSpecial(window, Synchro::harley);
    for (int n = 1; n <= kChannels; ++n) {
        QVERIFY(!window.shown(Control::channelGroup(n)));
    }
    QVERIFY(!window.shown(Control::lobeCountUpDown));
    QVERIFY(!window.shown(Control::channelCountUpDown));

    showSpecial(window, Synchro::moreLobes);
    for (const QString& box : {Control::maxAdvanceEdge2Box(1), Control::startAdvanceEdge2Box(2),
                               Control::maxAdvancePickup2Box(1)}) {
        QVERIFY(!window.enabled(box));
    }
    QVERIFY(window.find<QCheckBox>(Control::startAdvanceEdge2Box(2))->isChecked());
    QVERIFY(!window.shown(Control::maxAdvancePickup2Box(1)));
}

void TestWindowRules::twoChannels() {
    WindowFixture window;
    window.showWith([](ParamImage& image) { image.channelCount() = 2; });
    QVERIFY(window.shown(Control::channelGroup(1)));
    QVERIFY(window.shown(Control::channelGroup(2)));
    QVERIFY(!window.shown(Control::channelGroup(3)));
    QVERIFY(!window.shown(Control::channelGroup(4)));
    window.showWith([](ParamImage& image) { image.channelCount() = 4; });
    QVERIFY(window.shown(Control::channelGroup(4)));
}

void TestWindowRules::throttleMapOffMovesRowNine() {
    WindowFixture window;
    const int row0Top = window.find(Control::throttleRowLabel(0))->y() - 4;
    const int row9Top = window.find(Control::throttleRowLabel(9))->y() - 4;
    window.showWith([](ParamImage& image) {
        image.throttleMap() = 0;
        image.advance(3, 4) = 44;
    });
    QCOMPARE(window.edit(Control::mapCellEdit(9, 0))->y(), row0Top);
    QCOMPARE(window.find(Control::mapCellUpDown(9, 9))->y(), row0Top);
    QVERIFY(window.shown(Control::mapCellEdit(9, 0)));
    QVERIFY(!window.shown(Control::mapCellEdit(0, 0)));
    QVERIFY(!window.shown(Control::throttleRowLabel(0)));
    QVERIFY(!window.shown(Control::columnSpinButton(0)));

    window.showWith([](ParamImage& image) { image.throttleMap() = 1; });
    QCOMPARE(window.edit(Control::mapCellEdit(9, 0))->y(), row9Top);
    QVERIFY(window.shown(Control::mapCellEdit(0, 0)));
    QVERIFY(window.shown(Control::mapCellUpDown(0, 0)));
    QVERIFY(window.shown(Control::throttleRowLabel(0)));
    QVERIFY(window.shown(Control::columnSpinButton(9)));
    QCOMPARE(window.edit(Control::mapCellEdit(3, 4))->text(), QString("44"));
}

void TestWindowRules::servoOff() {
    WindowFixture window;
    window.showWith([](ParamImage& image) { image.servoEnable() = 1; });
    QVERIFY(window.shown(Control::servoGroup));
    window.showWith([](ParamImage& image) { image.servoEnable() = 0; });
    QVERIFY(!window.shown(Control::servoGroup));
}

void TestWindowRules::clutchAndNeutral() {
    WindowFixture window;
    for (int input2 = 0; input2 <= InputFunction::clutchMasterInverse; ++input2) {
        window.showWith([input2](ParamImage& image) { image.input2() = std::uint8_t(input2); });
        const bool clutch = input2 >= InputFunction::clutchMaster;
        QCOMPARE(window.enabled(Control::clutchTimeEdit), clutch);
        QCOMPARE(window.enabled(Control::clutchPauseLabel), clutch);
        QCOMPARE(window.shown(Control::clutchTimeUpDown), clutch);
        QCOMPARE(window.shown(Control::clutchPauseUpDown), clutch);
    }
    QVERIFY(window.enabled(Control::inputGroup(1)));
    window.showWith([](ParamImage& image) { image.neutralStandInputs() = 1; });
    QVERIFY(!window.enabled(Control::inputGroup(1)));
    QVERIFY(!window.enabled(Control::inputGroup(2)));
}

namespace {

double redShare(QWidget* box) {
    return paintedShare(box, QColor(Qt::red));
}

using TickBox = std::function<void(WindowFixture&, bool)>;

} // namespace

Q_DECLARE_METATYPE(TickBox)

void TestWindowRules::warningBoxesArePaintedRed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<TickBox>("tick");
    QTest::newRow("No Reading") << Control::noReadingBox << TickBox([](WindowFixture& w, bool on) {
        w.showWith([on](ParamImage& image) { image.noReading() = on ? 1 : 0; });
    });
    QTest::newRow("Programming after change")
        << Control::programAfterChange << TickBox([](WindowFixture& w, bool on) {
               w.find<QCheckBox>(Control::programAfterChange)->setChecked(on);
               w.form().applyDisplayRules();
           });
}

void TestWindowRules::warningBoxesArePaintedRed() {
    QFETCH(QString, name);
    QFETCH(TickBox, tick);
    WindowFixture window;
    auto* box = window.find<QCheckBox>(name);
    QCOMPARE(redShare(box), 0.0);
    tick(window, true);
    QVERIFY(box->isChecked());
    // The whole control, not an outline: text and tick mark take the rest.
    QVERIFY2(redShare(box) > 0.6, qPrintable(QString::number(redShare(box))));
    tick(window, false);
    QCOMPARE(redShare(box), 0.0);
}

QTEST_MAIN(TestWindowRules)
#include "tst_window_rules.moc"

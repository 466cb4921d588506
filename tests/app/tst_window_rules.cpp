// The display rules as the widgets show them.

#include "CodeNames.h"
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
    QVERIFY(!window.enabled("GroupBoxSpecial"));
    QVERIFY(!window.enabled("CheckBoxBuzDlouhe"));
    QVERIFY(!window.shown("UpDownPocPalcu"));
    QVERIFY(!window.shown("UpDownPalec1Zac"));
    QCOMPARE(window.edit("EditPocPalcu")->text(), QString("5"));
    QCOMPARE(window.edit("EditPalec2Zac")->text(), QString("3"));
}

void TestWindowRules::specialSettingWithMethods() {
    WindowFixture window;
    showSpecial(window, Synchro::insertedLobe);
    QVERIFY(window.enabled("GroupBoxSpecial"));
    QVERIFY(window.enabled("EditPocPalcu"));
    QVERIFY(window.shown("UpDownPocPalcu"));
    QVERIFY(window.shown("UpDownPalec1End"));
    QVERIFY(!window.shown("CheckBoxNehlidaPalec"));

    showSpecial(window, Synchro::singleLobe);
    QVERIFY(!window.enabled("EditPocPalcu"));
    QVERIFY(!window.enabled("EditPalec1Zac"));
    QVERIFY(!window.shown("UpDownPocPalcu"));
    QVERIFY(!window.shown("UpDownPalec1Zac"));
    QVERIFY(window.shown("CheckBoxNehlidaPalec"));
    QVERIFY(window.shown("CheckBoxPalec1ZacP2"));
    QVERIFY(window.shown("CheckBoxInvInput2"));

    showSpecial(window, Synchro::harley);
    for (int n = 1; n <= kChannels; ++n) {
        QVERIFY(!window.shown(QString("GroupBoxPalec%1").arg(n)));
    }
    QVERIFY(!window.shown("UpDownPocPalcu"));
    QVERIFY(!window.shown("UpDownPocKanalu"));

    showSpecial(window, Synchro::moreLobes);
    for (const char* box : {"CheckBoxPalec1ZacH2", "CheckBoxPalec2EndH2", "CheckBoxPalec1ZacP2"}) {
        QVERIFY(!window.enabled(box));
    }
    QVERIFY(window.find<QCheckBox>("CheckBoxPalec2EndH2")->isChecked());
    QVERIFY(!window.shown("CheckBoxPalec1ZacP2"));
}

void TestWindowRules::twoChannels() {
    WindowFixture window;
    window.showWith([](ParamImage& image) { image.channelCount() = 2; });
    QVERIFY(window.shown("GroupBoxPalec1"));
    QVERIFY(window.shown("GroupBoxPalec2"));
    QVERIFY(!window.shown("GroupBoxPalec3"));
    QVERIFY(!window.shown("GroupBoxPalec4"));
    window.showWith([](ParamImage& image) { image.channelCount() = 4; });
    QVERIFY(window.shown("GroupBoxPalec4"));
}

void TestWindowRules::throttleMapOffMovesRowNine() {
    WindowFixture window;
    const int row0Top = window.find("LabelTps1")->y() - 4;
    const int row9Top = window.find("LabelTps10")->y() - 4;
    window.showWith([](ParamImage& image) {
        image.throttleMap() = 0;
        image.advance(3, 4) = 44;
    });
    QCOMPARE(window.edit("Edit140")->y(), row0Top);
    QCOMPARE(window.find("UpDown149")->y(), row0Top);
    QVERIFY(window.shown("Edit140"));
    QVERIFY(!window.shown("Edit50"));
    QVERIFY(!window.shown("LabelTps1"));
    QVERIFY(!window.shown("CSpinButton1"));

    window.showWith([](ParamImage& image) { image.throttleMap() = 1; });
    QCOMPARE(window.edit("Edit140")->y(), row9Top);
    QVERIFY(window.shown("Edit50"));
    QVERIFY(window.shown("UpDown50"));
    QVERIFY(window.shown("LabelTps1"));
    QVERIFY(window.shown("CSpinButton10"));
    QCOMPARE(window.edit("Edit84")->text(), QString("44"));
}

void TestWindowRules::servoOff() {
    WindowFixture window;
    window.showWith([](ParamImage& image) { image.servoEnable() = 1; });
    QVERIFY(window.shown("GroupBoxPrivera"));
    window.showWith([](ParamImage& image) { image.servoEnable() = 0; });
    QVERIFY(!window.shown("GroupBoxPrivera"));
}

void TestWindowRules::clutchAndNeutral() {
    WindowFixture window;
    for (int input2 = 0; input2 <= InputFunction::clutchMasterInverse; ++input2) {
        window.showWith([input2](ParamImage& image) { image.input2() = std::uint8_t(input2); });
        const bool clutch = input2 >= InputFunction::clutchMaster;
        QCOMPARE(window.enabled("EditClutchTime"), clutch);
        QCOMPARE(window.enabled("LabelClutchPause"), clutch);
        QCOMPARE(window.shown("UpDownClutchTime"), clutch);
        QCOMPARE(window.shown("UpDownClutchPause"), clutch);
    }
    QVERIFY(window.enabled("RadioGroupInput1"));
    window.showWith([](ParamImage& image) { image.neutralStandInputs() = 1; });
    QVERIFY(!window.enabled("RadioGroupInput1"));
    QVERIFY(!window.enabled("RadioGroupInput2"));
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
    QTest::newRow("No Reading") << "CheckBoxZakazCteni" << TickBox([](WindowFixture& w, bool on) {
        w.showWith([on](ParamImage& image) { image.noReading() = on ? 1 : 0; });
    });
    QTest::newRow("Programming after change")
        << "CheckBoxProgHned" << TickBox([](WindowFixture& w, bool on) {
               w.find<QCheckBox>("CheckBoxProgHned")->setChecked(on);
               w->form().applyDisplayRules();
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

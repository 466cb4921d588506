// The display rules as the widgets show them.

#include "WindowFixture.h"
#include "model/Presets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

using namespace varko;

class WindowRulesTest : public QObject {
    Q_OBJECT
private slots:
    void modelPresetGreysTheGeometry();
    void specialSettingWithMethods();
    void twoChannels();
    void throttleMapOffMovesRowNine();
    void servoOff();
    void clutchAndNeutral();
    void noReadingIsRed();
};

namespace {

bool Shown(const WindowFixture& window, const QString& name) {
    return !window.find(name)->isHidden();
}

bool Enabled(const WindowFixture& window, const QString& name) {
    return window.find(name)->isEnabled();
}

void ShowSpecial(WindowFixture& window, int synchro) {
    window.showWith([synchro](ParamImage& image) {
        image.bike() = kBikeSpecial;
        image.synchroMethod() = static_cast<std::uint8_t>(synchro);
    });
}

} // namespace

void WindowRulesTest::modelPresetGreysTheGeometry() {
    WindowFixture window; // "Yamaha R6": method 1, five lobes
    QVERIFY(!Enabled(window, "GroupBoxSpecial"));
    QVERIFY(!Enabled(window, "CheckBoxBuzDlouhe"));
    QVERIFY(!Shown(window, "UpDownPocPalcu"));
    QVERIFY(!Shown(window, "UpDownPalec1Zac"));
    QCOMPARE(window.edit("EditPocPalcu")->text(), QString("5"));
    QCOMPARE(window.edit("EditPalec2Zac")->text(), QString("3"));
}

void WindowRulesTest::specialSettingWithMethods() {
    WindowFixture window;
    ShowSpecial(window, 1);
    QVERIFY(Enabled(window, "GroupBoxSpecial"));
    QVERIFY(Enabled(window, "EditPocPalcu"));
    QVERIFY(Shown(window, "UpDownPocPalcu"));
    QVERIFY(Shown(window, "UpDownPalec1End"));
    QVERIFY(!Shown(window, "CheckBoxNehlidaPalec"));

    ShowSpecial(window, 0);
    QVERIFY(!Enabled(window, "EditPocPalcu"));
    QVERIFY(!Enabled(window, "EditPalec1Zac"));
    QVERIFY(!Shown(window, "UpDownPocPalcu"));
    QVERIFY(!Shown(window, "UpDownPalec1Zac"));
    QVERIFY(Shown(window, "CheckBoxNehlidaPalec"));
    QVERIFY(Shown(window, "CheckBoxPalec1ZacP2"));
    QVERIFY(Shown(window, "CheckBoxInvInput2"));

    ShowSpecial(window, 7);
    for (int n = 1; n <= kChannels; ++n) {
        QVERIFY(!Shown(window, QString("GroupBoxPalec%1").arg(n)));
    }
    QVERIFY(!Shown(window, "UpDownPocPalcu"));
    QVERIFY(!Shown(window, "UpDownPocKanalu"));

    ShowSpecial(window, 8);
    for (const char* box : {"CheckBoxPalec1ZacH2", "CheckBoxPalec2EndH2", "CheckBoxPalec1ZacP2"}) {
        QVERIFY(!Enabled(window, box));
    }
    QVERIFY(window.find<QCheckBox>("CheckBoxPalec2EndH2")->isChecked());
    QVERIFY(!Shown(window, "CheckBoxPalec1ZacP2"));
}

void WindowRulesTest::twoChannels() {
    WindowFixture window;
    window.showWith([](ParamImage& image) { image.channelCount() = 2; });
    QVERIFY(Shown(window, "GroupBoxPalec1"));
    QVERIFY(Shown(window, "GroupBoxPalec2"));
    QVERIFY(!Shown(window, "GroupBoxPalec3"));
    QVERIFY(!Shown(window, "GroupBoxPalec4"));
    window.showWith([](ParamImage& image) { image.channelCount() = 4; });
    QVERIFY(Shown(window, "GroupBoxPalec4"));
}

void WindowRulesTest::throttleMapOffMovesRowNine() {
    WindowFixture window;
    const int row0Top = window.find("LabelTps1")->y() - 4;
    const int row9Top = window.find("LabelTps10")->y() - 4;
    window.showWith([](ParamImage& image) {
        image.tpsMapa() = 0;
        image.advance(3, 4) = 44;
    });
    QCOMPARE(window.edit("Edit140")->y(), row0Top);
    QCOMPARE(window.find("UpDown149")->y(), row0Top);
    QVERIFY(Shown(window, "Edit140"));
    QVERIFY(!Shown(window, "Edit50"));
    QVERIFY(!Shown(window, "LabelTps1"));
    QVERIFY(!Shown(window, "CSpinButton1"));

    window.showWith([](ParamImage& image) { image.tpsMapa() = 1; });
    QCOMPARE(window.edit("Edit140")->y(), row9Top);
    QVERIFY(Shown(window, "Edit50"));
    QVERIFY(Shown(window, "UpDown50"));
    QVERIFY(Shown(window, "LabelTps1"));
    QVERIFY(Shown(window, "CSpinButton10"));
    QCOMPARE(window.edit("Edit84")->text(), QString("44"));
}

void WindowRulesTest::servoOff() {
    WindowFixture window;
    window.showWith([](ParamImage& image) { image.servoEnable() = 1; });
    QVERIFY(Shown(window, "GroupBoxPrivera"));
    window.showWith([](ParamImage& image) { image.servoEnable() = 0; });
    QVERIFY(!Shown(window, "GroupBoxPrivera"));
}

void WindowRulesTest::clutchAndNeutral() {
    WindowFixture window;
    for (int input2 = 0; input2 <= 4; ++input2) {
        window.showWith([input2](ParamImage& image) { image.input2() = std::uint8_t(input2); });
        const bool clutch = input2 >= 3;
        QCOMPARE(Enabled(window, "EditClutchTime"), clutch);
        QCOMPARE(Enabled(window, "LabelClutchPause"), clutch);
        QCOMPARE(Shown(window, "UpDownClutchTime"), clutch);
        QCOMPARE(Shown(window, "UpDownClutchPause"), clutch);
    }
    QVERIFY(Enabled(window, "RadioGroupInput1"));
    window.showWith([](ParamImage& image) { image.neutralStandInputs() = 1; });
    QVERIFY(!Enabled(window, "RadioGroupInput1"));
    QVERIFY(!Enabled(window, "RadioGroupInput2"));
}

void WindowRulesTest::noReadingIsRed() {
    WindowFixture window;
    auto* box = window.find<QCheckBox>("CheckBoxZakazCteni");
    QVERIFY(box->palette().color(QPalette::Window) != QColor(Qt::red));
    window.showWith([](ParamImage& image) { image.noReading() = 1; });
    QVERIFY(box->isChecked());
    QCOMPARE(box->palette().color(QPalette::Window), QColor(Qt::red));
    QVERIFY(box->autoFillBackground());
}

QTEST_MAIN(WindowRulesTest)
#include "test_window_rules.moc"

// The display rules as the widgets show them.

#include "CodeNames.h"
#include "WindowFixture.h"
#include "model/Presets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

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
    void noReadingIsRed();
};

namespace {

bool shownByName(const WindowFixture& window, const QString& name) {
    return !window.find(name)->isHidden();
}

bool enabledByName(const WindowFixture& window, const QString& name) {
    return window.find(name)->isEnabled();
}

void showSpecial(WindowFixture& window, int synchro) {
    window.showWith([synchro](ParamImage& image) {
        image.bike() = kBikeSpecial;
        image.synchroMethod() = static_cast<std::uint8_t>(synchro);
    });
}

} // namespace

void TestWindowRules::modelPresetGreysTheGeometry() {
    WindowFixture window; // "Yamaha R6": method 1, five lobes
    QVERIFY(!enabledByName(window, "GroupBoxSpecial"));
    QVERIFY(!enabledByName(window, "CheckBoxBuzDlouhe"));
    QVERIFY(!shownByName(window, "UpDownPocPalcu"));
    QVERIFY(!shownByName(window, "UpDownPalec1Zac"));
    QCOMPARE(window.edit("EditPocPalcu")->text(), QString("5"));
    QCOMPARE(window.edit("EditPalec2Zac")->text(), QString("3"));
}

void TestWindowRules::specialSettingWithMethods() {
    WindowFixture window;
    showSpecial(window, Synchro::insertedLobe);
    QVERIFY(enabledByName(window, "GroupBoxSpecial"));
    QVERIFY(enabledByName(window, "EditPocPalcu"));
    QVERIFY(shownByName(window, "UpDownPocPalcu"));
    QVERIFY(shownByName(window, "UpDownPalec1End"));
    QVERIFY(!shownByName(window, "CheckBoxNehlidaPalec"));

    showSpecial(window, Synchro::singleLobe);
    QVERIFY(!enabledByName(window, "EditPocPalcu"));
    QVERIFY(!enabledByName(window, "EditPalec1Zac"));
    QVERIFY(!shownByName(window, "UpDownPocPalcu"));
    QVERIFY(!shownByName(window, "UpDownPalec1Zac"));
    QVERIFY(shownByName(window, "CheckBoxNehlidaPalec"));
    QVERIFY(shownByName(window, "CheckBoxPalec1ZacP2"));
    QVERIFY(shownByName(window, "CheckBoxInvInput2"));

    showSpecial(window, Synchro::harley);
    for (int n = 1; n <= kChannels; ++n) {
        QVERIFY(!shownByName(window, QString("GroupBoxPalec%1").arg(n)));
    }
    QVERIFY(!shownByName(window, "UpDownPocPalcu"));
    QVERIFY(!shownByName(window, "UpDownPocKanalu"));

    showSpecial(window, Synchro::moreLobes);
    for (const char* box : {"CheckBoxPalec1ZacH2", "CheckBoxPalec2EndH2", "CheckBoxPalec1ZacP2"}) {
        QVERIFY(!enabledByName(window, box));
    }
    QVERIFY(window.find<QCheckBox>("CheckBoxPalec2EndH2")->isChecked());
    QVERIFY(!shownByName(window, "CheckBoxPalec1ZacP2"));
}

void TestWindowRules::twoChannels() {
    WindowFixture window;
    window.showWith([](ParamImage& image) { image.channelCount() = 2; });
    QVERIFY(shownByName(window, "GroupBoxPalec1"));
    QVERIFY(shownByName(window, "GroupBoxPalec2"));
    QVERIFY(!shownByName(window, "GroupBoxPalec3"));
    QVERIFY(!shownByName(window, "GroupBoxPalec4"));
    window.showWith([](ParamImage& image) { image.channelCount() = 4; });
    QVERIFY(shownByName(window, "GroupBoxPalec4"));
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
    QVERIFY(shownByName(window, "Edit140"));
    QVERIFY(!shownByName(window, "Edit50"));
    QVERIFY(!shownByName(window, "LabelTps1"));
    QVERIFY(!shownByName(window, "CSpinButton1"));

    window.showWith([](ParamImage& image) { image.throttleMap() = 1; });
    QCOMPARE(window.edit("Edit140")->y(), row9Top);
    QVERIFY(shownByName(window, "Edit50"));
    QVERIFY(shownByName(window, "UpDown50"));
    QVERIFY(shownByName(window, "LabelTps1"));
    QVERIFY(shownByName(window, "CSpinButton10"));
    QCOMPARE(window.edit("Edit84")->text(), QString("44"));
}

void TestWindowRules::servoOff() {
    WindowFixture window;
    window.showWith([](ParamImage& image) { image.servoEnable() = 1; });
    QVERIFY(shownByName(window, "GroupBoxPrivera"));
    window.showWith([](ParamImage& image) { image.servoEnable() = 0; });
    QVERIFY(!shownByName(window, "GroupBoxPrivera"));
}

void TestWindowRules::clutchAndNeutral() {
    WindowFixture window;
    for (int input2 = 0; input2 <= InputFunction::clutchMasterInverse; ++input2) {
        window.showWith([input2](ParamImage& image) { image.input2() = std::uint8_t(input2); });
        const bool clutch = input2 >= InputFunction::clutchMaster;
        QCOMPARE(enabledByName(window, "EditClutchTime"), clutch);
        QCOMPARE(enabledByName(window, "LabelClutchPause"), clutch);
        QCOMPARE(shownByName(window, "UpDownClutchTime"), clutch);
        QCOMPARE(shownByName(window, "UpDownClutchPause"), clutch);
    }
    QVERIFY(enabledByName(window, "RadioGroupInput1"));
    window.showWith([](ParamImage& image) { image.neutralStandInputs() = 1; });
    QVERIFY(!enabledByName(window, "RadioGroupInput1"));
    QVERIFY(!enabledByName(window, "RadioGroupInput2"));
}

void TestWindowRules::noReadingIsRed() {
    WindowFixture window;
    auto* box = window.find<QCheckBox>("CheckBoxZakazCteni");
    QVERIFY(box->palette().color(QPalette::Window) != QColor(Qt::red));
    window.showWith([](ParamImage& image) { image.noReading() = 1; });
    QVERIFY(box->isChecked());
    QCOMPARE(box->palette().color(QPalette::Window), QColor(Qt::red));
    QVERIFY(box->autoFillBackground());
}

QTEST_MAIN(TestWindowRules)
#include "tst_window_rules.moc"

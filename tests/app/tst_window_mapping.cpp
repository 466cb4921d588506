// The window's controls as the editor of the image: what a value shows as, what typed or
// stepped values store, and that showing never edits the image.

#include "CodeNames.h"
#include "Controls.h"
#include "WindowFixture.h"
#include "model/Presets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QToolButton>
#include <QtTest>

using namespace varko;

class TestWindowMapping : public QObject {
    Q_OBJECT
private slots:
    void limiterShowsItsMinimumAndStepsUp();
    void typedValueIsStoredToItsStep();
    void rejectedTextKeepsTheValue_data();
    void rejectedTextKeepsTheValue();
    void throttleFullScaleAboveTheRange();
    void pairEndsSurviveShowAndCollect();
    void codesBeyondTheLists();
    void methodEightTicksTheSecondEdgeBoxes();
    void compensationHeldOutsideTestMode();
    void showImageNeverChangesTheImage();
};

namespace {

void clickUp(const WindowFixture& window, const QString& upDownName) {
    const auto arrows = window.find(upDownName)->findChildren<QToolButton*>();
    QTest::mouseClick(arrows.first(), Qt::LeftButton);
}

} // namespace

void TestWindowMapping::limiterShowsItsMinimumAndStepsUp() {
    WindowFixture window;
    window.showWith([](ParamImage& image) { image.limiter() = 9; });
    QCOMPARE(window.edit(Control::limiterEdit)->text(), QString("999"));
    QCOMPARE(int(window.collected().limiter()), 9);

    clickUp(window, Control::limiterUpDown); // 1099, collected as 10 and shown as 1000
    QCOMPARE(int(window.document().image().limiter()), 10);
    QCOMPARE(window.edit(Control::limiterEdit)->text(), QString("1,000"));
}

void TestWindowMapping::typedValueIsStoredToItsStep() {
    WindowFixture window;
    window.edit(Control::limiterEdit)->setText("1234");
    window.edits().commitEditedValue();
    QCOMPARE(int(window.document().image().limiter()), 12);
    QCOMPARE(window.edit(Control::limiterEdit)->text(), QString("1,200"));
}

void TestWindowMapping::rejectedTextKeepsTheValue_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::newRow("not a number") << Control::baseAdvanceEdit << "ten";
    QTest::newRow("above max") << Control::baseAdvanceEdit << "70";
    QTest::newRow("below min") << Control::revsWithoutIgnitionEdit << "-5";
    QTest::newRow("would wrap to 24999") << Control::limiterEdit << "90535";
    QTest::newRow("grouped wrongly") << Control::pilotLightEdit << "15 000";
}

void TestWindowMapping::rejectedTextKeepsTheValue() {
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    WindowFixture window;
    const ParamImage before = window.document().image();
    const QString shown = window.edit(edit)->text();
    window.edit(edit)->setText(typed);
    QCOMPARE(window.collected(), before);
    QCOMPARE(window.edit(edit)->text(), typed);
    window.form().show();
    QCOMPARE(window.edit(edit)->text(), shown);
}

void TestWindowMapping::throttleFullScaleAboveTheRange() {
    WindowFixture window;
    window.showWith([](ParamImage& image) { image.tps100() = 250; });
    QCOMPARE(window.edit(Control::tps100Edit)->text(), QString("4,750"));
    QCOMPARE(int(window.collected().tps100()), 225);
}

// Every pair, through its widgets: each end of its range shown and collected gives the byte
// it started from. Test mode is off, so the compensation pairs come back as their default.
void TestWindowMapping::pairEndsSurviveShowAndCollect() {
    WindowFixture window;
    for (int p = 0; p < kPairCount; ++p) {
        const PairSpec& pair = pairTable()[p];
        if (pair.offset >= Field::compensation && pair.offset < Field::compensation + 4) {
            continue;
        }
        for (int end : {pair.min, pair.max}) {
            window.showWith([&](ParamImage& image) {
                image.synchroMethod() = Synchro::missingLobe;
                image.lobeCount() = 58;
                image[pair.offset] = pair.scale.encode(end);
            });
            QVERIFY2(window.collected()[pair.offset] == pair.scale.encode(end),
                     qPrintable(QString("%1 at %2").arg(pair.editName).arg(end)));
        }
    }
}

void TestWindowMapping::codesBeyondTheLists() {
    WindowFixture window;
    auto* bike = window.find<QComboBox>(Control::bikeList);
    const QString model = bike->currentText();
    window.showWith([](ParamImage& image) {
        image.bike() = BikeCode::unlisted;
        image.synchroMethod() = 12;
        image.input2() = 9;
    });
    QCOMPARE(bike->currentText(), model);
    QCOMPARE(window.find<QComboBox>(Control::synchroList)->currentIndex(), -1);
    QVERIFY(
        window
            .find<QRadioButton>(Control::inputFunctionButton(2, InputFunction::clutchMasterInverse))
            ->isChecked());
    QCOMPARE(
        window
            .find<QRadioButton>(Control::inputFunctionButton(2, InputFunction::clutchMasterInverse))
            ->text(),
        QString("Clutch master inv. input"));
    const ParamImage collected = window.collected();
    QCOMPARE(int(collected.bike()), BikeCode::yamahaR6);
    QCOMPARE(int(collected.synchroMethod()), 255);
    QCOMPARE(int(collected.input2()), 4);
}

void TestWindowMapping::methodEightTicksTheSecondEdgeBoxes() {
    WindowFixture window;
    window.showWith([](ParamImage& image) {
        image.synchroMethod() = Synchro::moreLobes;
        for (int n = 0; n < kChannels; ++n) {
            image.maxAdvEdge2(n) = image.startAdvEdge2(n) = 0;
        }
    });
    for (int n = 1; n <= kChannels; ++n) {
        QVERIFY(window.find<QCheckBox>(Control::maxAdvanceEdge2Box(n))->isChecked());
        QVERIFY(window.find<QCheckBox>(Control::startAdvanceEdge2Box(n))->isChecked());
        QCOMPARE(int(window.document().image().maxAdvEdge2(n - 1)), 0);
    }
    const ParamImage collected = window.collected();
    for (int n = 0; n < kChannels; ++n) {
        QCOMPARE(int(collected.maxAdvEdge2(n)), 1);
        QCOMPARE(int(collected.startAdvEdge2(n)), 1);
    }
}

void TestWindowMapping::compensationHeldOutsideTestMode() {
    WindowFixture window;
    window.showWith([](ParamImage& image) { image.compensation(2) = 99; });
    QCOMPARE(window.edit(Control::compensationEdit(3))->text(), QString("99"));
    QVERIFY(window.edit(Control::compensationEdit(3))->isHidden());
    window.edit(Control::compensationEdit(1))->setText("50");
    const ParamImage collected = window.collected();
    for (int n = 0; n < kChannels; ++n) {
        QCOMPARE(int(collected.compensation(n)), 11);
    }
}

// Consecutive random images flip check boxes, radio groups and lists back and forth; none of
// those changes may run a handler that writes into the image.
void TestWindowMapping::showImageNeverChangesTheImage() {
    WindowFixture window;
    QRandomGenerator random(75);
    for (int round = 0; round < 40; ++round) {
        ParamImage randomImage;
        for (auto& byte : randomImage.bytes) {
            byte = static_cast<std::uint8_t>(random.bounded(256));
        }
        window.showWith([&](ParamImage& image) { image = randomImage; });
        QCOMPARE(window.document().image(), randomImage);
    }
}

QTEST_MAIN(TestWindowMapping)
#include "tst_window_mapping.moc"

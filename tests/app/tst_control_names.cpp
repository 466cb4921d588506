// The names that the window's tables hold as data must each find exactly one control of the
// built window: a misspelt or doubled name would leave a control without its text, rule or
// live value.

#include "Controls.h"
#include "WindowFixture.h"
#include "model/FormMapping.h"
#include "ui/ControlTables.h"
#include "ui/LiveColumn.h"
#include "ui/NamedControls.h"
#include "ui/Texts.h"

#include <QLabel>
#include <QTest>

using namespace varko;

class TestControlNames : public QObject {
    Q_OBJECT

private slots:
    void everyTableNameFindsOneControl_data() {
        QTest::addColumn<QStringList>("names");
        QStringList pairs;
        for (const PairSpec& pair : pairTable())
            pairs << pair.upDownName << pair.editName;
        QStringList checks;
        for (const CheckSpec& check : checkTable())
            checks << check.name;
        QTest::newRow("number pairs") << pairs;
        QTest::newRow("check boxes") << checks;
        QTest::newRow("display rules") << ruleControlNames();
        QTest::newRow("texts") << textControlNames();
        QTest::newRow("live controls") << LiveColumn::controlNames();
    }
    void everyTableNameFindsOneControl() {
        QFETCH(QStringList, names);
        WindowFixture window;
        QCOMPARE(namesNotFoundOnce(&*window, names), QStringList{});
    }

    void misspeltAndDoubledNamesAreReported() {
        WindowFixture window;
        const QString misspelt = "EditOmez3";
        auto* twin = new QLabel(window.find(Control::miscellaneousPage));
        twin->setObjectName(Control::clutchTimeLabel);
        QCOMPARE(
            namesNotFoundOnce(&*window, {Control::limiterEdit, misspelt, Control::clutchTimeLabel}),
            (QStringList{misspelt, Control::clutchTimeLabel}));
    }
};

QTEST_MAIN(TestControlNames)
#include "tst_control_names.moc"

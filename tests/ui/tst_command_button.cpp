// A toolbar button that is a menu item's command: it triggers the item's action, shows its state,
// and keeps the words the window gave it whatever the action does.

#include "ui/CommandButton.h"

#include <QAction>
#include <QSignalSpy>
#include <QtTest>

class TestCommandButton : public QObject {
    Q_OBJECT
private slots:
    void clickTriggersTheCommandOnce() {
        QWidget holder;
        QAction command(&holder);
        CommandButton button(&holder, &command);
        QSignalSpy triggered(&command, &QAction::triggered);
        button.click();
        QCOMPARE(triggered.size(), 1);
    }

    void followsTheCommandsState() {
        QWidget holder;
        QAction command(&holder);
        command.setCheckable(true);
        CommandButton button(&holder, &command);
        QVERIFY(button.isCheckable());

        command.setEnabled(false);
        QVERIFY(!button.isEnabled());
        button.click(); // a disabled button does nothing
        QVERIFY(!command.isChecked());
        command.setEnabled(true);
        QVERIFY(button.isEnabled());

        button.click();
        QVERIFY(command.isChecked());
        QVERIFY(button.isChecked());
        command.setChecked(false); // as the menu item unticks it
        QVERIFY(!button.isChecked());
    }

    // The toolbar's captions and hints differ from the menu's in places; a change of the action,
    // such as the menu's new texts in another language or its enabling, must not overwrite them.
    void keepsItsOwnWords() {
        QWidget holder;
        QAction command(QStringLiteral("&New"), &holder);
        command.setStatusTip(QStringLiteral("Set default parameters "));
        CommandButton button(&holder, &command);
        QCOMPARE(button.text(), QString());
        QCOMPARE(button.statusTip(), QString());
        button.setText(QStringLiteral("&Read"));
        button.setToolTip(QStringLiteral("Set default parametrs"));
        button.setStatusTip(QStringLiteral("Set default parametrs"));

        command.setText(QStringLiteral("&Neu"));
        command.setToolTip(QStringLiteral("Neu"));
        command.setStatusTip(QStringLiteral("Standardeinstellungen setzen "));
        command.setEnabled(false);

        QCOMPARE(button.text(), QStringLiteral("&Read"));
        QCOMPARE(button.toolTip(), QStringLiteral("Set default parametrs"));
        QCOMPARE(button.statusTip(), QStringLiteral("Set default parametrs"));
    }
};

QTEST_MAIN(TestCommandButton)
#include "tst_command_button.moc"

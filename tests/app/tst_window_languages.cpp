// The Language menu: a switch rewrites the window's texts at once, keeps what the user was doing,
// and is remembered for the next start.

#include "CodeNames.h"
#include "Controls.h"
#include "FlowsFixture.h"
#include "TestFiles.h"
#include "app/ProgramWindow.h"
#include "model/Messages.h"
#include "storage/ConfigPaths.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace varko;

namespace {

constexpr const char* kLanguageItems[kLanguageCount] = {Control::englishItem, Control::germanItem,
                                                        Control::frenchItem, Control::czechItem};

QString labelText(const FlowsFixture& f, const char* name) {
    return f.window.find<QLabel>(name)->text();
}

QStringList checkedLanguageItems(const FlowsFixture& f) {
    QStringList checked;
    for (const char* item : kLanguageItems)
        if (f.window.find<QAction>(item)->isChecked())
            checked << item;
    return checked;
}

} // namespace

class TestWindowLanguages : public QObject {
    Q_OBJECT
private slots:
    // Each language reached from another one: texts of the makers' table, one of ours, and the
    // live labels, which show their no-data texts while no unit answers.
    void switchRewritesTheWindow_data() {
        QTest::addColumn<varko::Language>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("fileMenu");
        QTest::addColumn<QString>("firstClassic"); // the model list's entry 12
        QTest::addColumn<QString>("servoPage");
        QTest::addColumn<QString>("advanceLive");
        QTest::addColumn<QString>("pickupLive");
        QTest::addColumn<QString>("killSwitchLive");
        QTest::addColumn<QString>("programCountLive");
        QTest::addColumn<QString>("qtCancel"); // Qt's own, as in every message box
        QTest::newRow("English") << varko::Language::English << "Programming of VARKO unit"
                                 << "&File"
                                 << "Classic (1 lobe, 1 or 2 pick-up) "
                                 << "Servo"
                                 << "Advance 1 = --- [°]"
                                 << "Pick-up (CKPS) 2 = ---"
                                 << "Kill switch: ---"
                                 << "Number of Programing= ---"
                                 << "Cancel";
        QTest::newRow("German") << varko::Language::German << "Programmierung der VARKO Zündbox"
                                << "&Datei"
                                << "Klassisch (1 Leitst. 1 od. 2 Geber)"
                                << "Servo"
                                << "Vorzündung 1 = --- [°]"
                                << "Geber(CKPS) 2 = ---"
                                << "Not Aus: ---"
                                << "Programmierungsanzahl= ---"
                                << "Abbrechen";
        QTest::newRow("French") << varko::Language::French << "Programation de VARKO unité"
                                << "&Fichier"
                                << "Classique (1 lobe, 1 or 2 pick-up) "
                                << "Servo"
                                << "Avance 1 = --- [°]"
                                << "Capteur(CKPS) 2 = ---"
                                << "Interrupteur de sécurité: ---"
                                << "Nombre de programmations= ---"
                                << "Annuler";
        QTest::newRow("Czech") << varko::Language::Czech << "Programování jednotky VARKO"
                               << "&Soubor"
                               << "Klasika (1 výstupek, 1 nebo 2 snimače)"
                               << "Servo"
                               << "Předstih 1 = --- [°]"
                               << "Snímač (CKPS) 2 = ---"
                               << "Kill switch: ---"
                               << "Počet programování= ---"
                               << "Zrušit";
    }
    void switchRewritesTheWindow() {
        QFETCH(varko::Language, language);
        QFETCH(QString, title);
        QFETCH(QString, fileMenu);
        QFETCH(QString, firstClassic);
        QFETCH(QString, servoPage);
        QFETCH(QString, advanceLive);
        QFETCH(QString, pickupLive);
        QFETCH(QString, killSwitchLive);
        QFETCH(QString, programCountLive);
        QFETCH(QString, qtCancel);
        FlowsFixture f;
        QVERIFY(!f.window.find(Control::connectionLabel)->isHidden());
        f.trigger(kLanguageItems[(columnOf(language) + 1) % kLanguageCount]);
        f.trigger(kLanguageItems[columnOf(language)]);

        QCOMPARE(f.window.document().language(), language);
        QCOMPARE(checkedLanguageItems(f), QStringList{kLanguageItems[columnOf(language)]});
        QCOMPARE(f.window->windowTitle(), title);
        QCOMPARE(f.window->findChild<QMenu*>(Control::fileMenu)->title(), fileMenu);
        QCOMPARE(f.window.find<QComboBox>(Control::bikeList)->itemText(12), firstClassic);
        QCOMPARE(f.pages()->tabText(Page::servo), servoPage);
        QCOMPARE(labelText(f, Control::liveAdvance1), advanceLive);
        QCOMPARE(labelText(f, Control::livePickup2), pickupLive);
        QCOMPARE(labelText(f, Control::liveKillSwitch), killSwitchLive);
        QCOMPARE(labelText(f, Control::programCountLabel), programCountLive);
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text().remove('&'), qtCancel);
    }

    void exactlyOneCheckMark() {
        FlowsFixture f;
        QCOMPARE(checkedLanguageItems(f), QStringList{Control::englishItem});
        for (const varko::Language language :
             {varko::Language::Czech, varko::Language::French, varko::Language::French,
              varko::Language::German, varko::Language::English}) {
            f.trigger(kLanguageItems[columnOf(language)]);
            QCOMPARE(checkedLanguageItems(f), QStringList{kLanguageItems[columnOf(language)]});
        }
    }

    // New list texts must not cost the list its selection.
    void specialSettingStaysChosen() {
        FlowsFixture f;
        auto* bike = f.window.find<QComboBox>(Control::bikeList);
        bike->setCurrentIndex(BikePosition::special);
        emit bike->activated(BikePosition::special);
        QCOMPARE(int(f.window.document().image().bike()), int(kBikeSpecial));
        f.trigger(Control::czechItem);
        QCOMPARE(bike->currentIndex(), BikePosition::special);
        QCOMPARE(bike->currentText(), QString("Speciální nastavení"));
        QCOMPARE(int(f.window.document().image().bike()), int(kBikeSpecial));
    }

    void switchKeepsImageHistoryAndPage() {
        FlowsFixture f;
        f.type(Control::limiterEdit, "9000");
        f.type(Control::limiterEdit, "8000");
        f.trigger(Control::undoItem);
        f.pages()->setCurrentIndex(Page::servo);
        const ParamImage before = f.window.document().image();
        f.trigger(Control::germanItem);
        QCOMPARE(f.window.document().image(), before);
        QCOMPARE(f.pages()->currentIndex(), Page::servo);
        QVERIFY(f.canUndo());
        QVERIFY(f.canRedo());
        // The history holds the same steps: one back reaches the start, one forward the redo.
        f.trigger(Control::redoItem);
        QCOMPARE(int(f.window.document().image().limiter()), 80);
        f.trigger(Control::undoItem);
        f.trigger(Control::undoItem);
        QCOMPARE(int(f.window.document().image().limiter()), 110);
        QVERIFY(!f.canUndo());
    }

    // The choice reaches the settings file at close, and the next start speaks it.
    void choiceSurvivesARestart() {
        ScopedConfigDir config;
        ScriptedMessageBoxes boxes;
        {
            const auto window = startProgramWindow();
            window->findChild<QAction*>(Control::frenchItem)->trigger();
            window->close();
        }
        QVERIFY(readTestFile(settingsFilePath()).contains("Language=2\r\n"));
        const auto again = startProgramWindow();
        QVERIFY(again->findChild<QAction*>(Control::frenchItem)->isChecked());
        QCOMPARE(again->windowTitle(), QString("Programation de VARKO unité"));
    }

    void manualErrorInFrench() {
        QCOMPARE(messageText(Msg::manualOpenError, varko::Language::French),
                 QString("Erreur à l´ouvertur du Fichier manual_briskal_varko_fr.pdf !"));
    }
};

QTEST_MAIN(TestWindowLanguages)
#include "tst_window_languages.moc"

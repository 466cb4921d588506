// File > History in the main window: the dialog's list, and a kept set loaded as Open loads a
// file, with the window's file left alone.

#include "Controls.h"
#include "FlowsFixture.h"
#include "HistoryDialogDriver.h"
#include "storage/ConfigPaths.h"
#include "storage/History.h"

#include <QLocale>
#include <QPushButton>
#include <QtTest>

using namespace varko;

namespace {

// The row's texts, column by column.
QStringList rowTexts(const QTreeWidget& list, int row) {
    QStringList texts;
    const QTreeWidgetItem* item = list.topLevelItem(row);
    for (int column = 0; column < list.columnCount(); ++column)
        texts << item->text(column);
    return texts;
}

} // namespace

class TestWindowHistory : public QObject {
    Q_OBJECT
private slots:
    void listsEntriesNewestFirst() {
        FlowsFixture f;
        const QDateTime now = QDateTime::currentDateTime();
        const QDateTime readAt = now.addSecs(-7200);
        History history(historyDir());
        QVERIFY(history.add(f.window.document().image(), HistoryEvent::Read,
                            {"SIM01", "9.12.2026", 3}, "/tunes/track.ign", readAt));
        QVERIFY(history.add(f.window.document().image(), HistoryEvent::Programmed,
                            {"SIM01", "9.12.2026", -1}, QString(), now.addSecs(-3600)));
        QVERIFY(history.add(f.window.document().image(), HistoryEvent::BeforeProgramming, {},
                            QString(), now));

        QList<QStringList> rows;
        QString title;
        whenHistoryDialogOpens([&](QDialog& dialog, QTreeWidget& list) {
            title = dialog.windowTitle();
            for (int row = 0; row < list.topLevelItemCount(); ++row)
                rows << rowTexts(list, row);
        });
        f.trigger(Control::historyItem);
        QCOMPARE(title, "History");
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0][1], "before programming");
        QCOMPARE(rows[0][2], QString()); // a unit not known
        QCOMPARE(rows[1].mid(1), (QStringList{"programmed", "SIM01, 9.12.2026", QString()}));
        QCOMPARE(rows[2], (QStringList{QLocale().toString(readAt, QLocale::ShortFormat), "read",
                                       "SIM01, 9.12.2026, #3", "track.ign"}));
    }

    void dialogSpeaksTheWindowsLanguage_data() {
        QTest::addColumn<QString>("languageItem");
        QTest::addColumn<QString>("menuText");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("read");
        QTest::newRow("English") << Control::englishItem << "&History..."
                                 << "History"
                                 << "read";
        QTest::newRow("German") << Control::germanItem << "&Verlauf..."
                                << "Verlauf"
                                << "gelesen";
        QTest::newRow("French") << Control::frenchItem << "&Historique..."
                                << "Historique"
                                << "lu";
        QTest::newRow("Czech") << Control::czechItem << "&Historie..."
                               << "Historie" << QString::fromUtf8("přečteno");
    }
    void dialogSpeaksTheWindowsLanguage() {
        QFETCH(QString, languageItem);
        FlowsFixture f;
        QVERIFY(History(historyDir())
                    .add(f.window.document().image(), HistoryEvent::Read, {}, QString(),
                         QDateTime::currentDateTime()));
        f.trigger(qPrintable(languageItem));
        QTEST(f.window.find<QAction>(Control::historyItem)->text(), "menuText");
        QString title;
        QString read;
        whenHistoryDialogOpens([&](QDialog& dialog, QTreeWidget& list) {
            title = dialog.windowTitle();
            read = list.topLevelItem(0)->text(1);
        });
        f.trigger(Control::historyItem);
        QTEST(title, "title");
        QTEST(read, "read");
    }

    void emptyHistoryOffersNothingToOpen() {
        FlowsFixture f;
        bool openEnabled = true;
        whenHistoryDialogOpens([&](QDialog& dialog, QTreeWidget&) {
            openEnabled = dialog.findChild<QPushButton*>(Control::historyOpen)->isEnabled();
        });
        const ParamImage before = f.window.document().image();
        f.trigger(Control::historyItem);
        QVERIFY(!openEnabled);
        QCOMPARE(f.window.document().image(), before);
    }

    void openingAnEntry_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("taken");
        QTest::newRow("Open button") << "open" << true;
        QTest::newRow("double click") << "double click" << true;
        QTest::newRow("Cancel") << "cancel" << false;
    }
    // The older of two entries is chosen: it becomes the window's set in one undo step, and the
    // window's file stays the user's.
    void openingAnEntry() {
        QFETCH(QString, how);
        QFETCH(bool, taken);
        FlowsFixture f;
        const QDateTime now = QDateTime::currentDateTime();
        History history(historyDir());
        f.type(Control::limiterEdit, "9000");
        const ParamImage older = f.window.document().image();
        QVERIFY(history.add(older, HistoryEvent::Read, {}, QString(), now.addSecs(-60)));
        f.type(Control::limiterEdit, "10000");
        const ParamImage newer = f.window.document().image();
        QVERIFY(history.add(newer, HistoryEvent::Programmed, {}, QString(), now));
        f.window.document().setFile("/tunes/mine.ign");
        f.type(Control::limiterEdit, "8000");
        const ParamImage current = f.window.document().image();

        whenHistoryDialogOpens([&](QDialog& dialog, QTreeWidget& list) {
            QTreeWidgetItem* item = list.topLevelItem(1);
            list.setCurrentItem(item);
            if (how == "open") {
                dialog.findChild<QPushButton*>(Control::historyOpen)->click();
            } else if (how == "double click") {
                QWidget* rows = list.viewport();
                const QPoint at = list.visualItemRect(item).center();
                // The view takes a double click only after the press of a first click.
                QTest::mouseClick(rows, Qt::LeftButton, {}, at);
                QTest::mouseDClick(rows, Qt::LeftButton, {}, at);
            } else {
                dialog.findChild<QPushButton*>(Control::historyCancel)->click();
            }
        });
        f.trigger(Control::historyItem);
        QCOMPARE(f.window.document().image(), taken ? older : current);
        QCOMPARE(f.fileLabel(), "/tunes/mine.ign");
        f.trigger(Control::undoItem);
        QCOMPARE(f.window.document().image(), taken ? current : newer);
    }

    // A kept file gone while the dialog was open (another window's history pruned it) is named
    // as Open names a file it cannot read, and changes nothing.
    void entryGoneMeanwhile() {
        FlowsFixture f;
        History history(historyDir());
        const auto entry = history.add(f.window.document().image(), HistoryEvent::Read, {},
                                       QString(), QDateTime::currentDateTime());
        QVERIFY(entry);
        f.type(Control::limiterEdit, "9000");
        const ParamImage before = f.window.document().image();
        whenHistoryDialogOpens([&](QDialog& dialog, QTreeWidget&) {
            QFile::remove(history.filePath(*entry));
            dialog.findChild<QPushButton*>(Control::historyOpen)->click();
        });
        f.trigger(Control::historyItem);
        QVERIFY2(f.window.boxes.shown == QStringList{"Open file error!"},
                 qPrintable(f.window.boxes.shown.join(" | ")));
        QCOMPARE(f.window.document().image(), before);
    }
};

QTEST_MAIN(TestWindowHistory)
#include "tst_window_history.moc"

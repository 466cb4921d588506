// Qt's own texts follow the window's language: a German rider's message boxes say "Abbrechen",
// not "Cancel", and a shortcut reads "Strg+N".

#include "ui/QtTexts.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QTest>

using namespace varko;

class TestQtTexts : public QObject {
    Q_OBJECT
private slots:
    void qtSpeaksTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("shortcut");
        QTest::newRow("English") << 0 << "Cancel"
                                 << "Ctrl+N";
        QTest::newRow("German") << 1 << "Abbrechen"
                                << "Strg+N";
        QTest::newRow("French") << 2 << "Annuler"
                                << "Ctrl+N";
        QTest::newRow("Czech") << 3 << "Zrušit"
                               << "Ctrl+N";
    }
    void qtSpeaksTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, cancel);
        QFETCH(QString, shortcut);
        QtTexts texts;
        QVERIFY(texts.use(languageNumber(language)));
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text().remove('&'), cancel);
        QCOMPARE(QKeySequence(Qt::CTRL | Qt::Key_N).toString(QKeySequence::NativeText), shortcut);
    }

    // Back to English after another language: nothing of the other stays.
    void englishAgainAfterAnother() {
        QtTexts texts;
        QVERIFY(texts.use(Language::German));
        QVERIFY(texts.use(Language::English));
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text().remove('&'), "Cancel");
    }
};

QTEST_MAIN(TestQtTexts)
#include "tst_qt_texts.moc"

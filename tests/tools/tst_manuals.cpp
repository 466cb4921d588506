// The PDF manuals the build writes: one per language under the name the Help menu asks for,
// each in its own language, each with the pictures of the window.

#include "model/Messages.h"
#include "ui/AboutBox.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

using namespace varko;

namespace {

// A phrase only that language's manual holds, by language.
const QStringList kOwnPhrases = {"User Manual", "Benutzerhandbuch", "Manuel d'utilisation",
                                 "Uživatelská příručka"};

QString manualPath(int language) {
    return QDir(QStringLiteral(VARKO_MANUAL_DIR))
        .filePath(messageText(Msg::manualFile, languageNumber(language)));
}

// Standard output of a poppler tool; fails the test when the tool cannot run.
QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        qWarning("%s failed (poppler-utils installed?): %s", qPrintable(program),
                 qPrintable(process.errorString() + process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text with every run of blanks and line breaks as one blank, so a phrase the layout broke
// across lines is still found.
QString pdfText(const QString& path) {
    return runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).simplified();
}

// The sizes of the images `pdfimages -list` names; an image drawn on two pages is one object.
QList<QSize> pdfImageSizes(const QString& path) {
    const QString listing = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
    QList<QSize> sizes;
    QSet<QString> objects;
    for (const QString& line : listing.split('\n').mid(2)) {
        // page num type width height color comp bpc enc interp object ID ...
        const QStringList columns = line.split(' ', Qt::SkipEmptyParts);
        if (columns.size() < 11 || columns[2] != QLatin1String("image"))
            continue;
        if (objects.contains(columns[10]))
            continue;
        objects.insert(columns[10]);
        sizes.append(QSize(columns[3].toInt(), columns[4].toInt()));
    }
    return sizes;
}

} // namespace

class TestManuals : public QObject {
    Q_OBJECT
private slots:
    void eachManualInItsLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption"); // a caption of the window in that language
        QTest::newRow("English") << 0 << "Programming after change";
        QTest::newRow("German") << 1 << "Sofort programmieren";
        QTest::newRow("French") << 2 << "Programmer aussitôt";
        QTest::newRow("Czech") << 3 << "Programovat po změně";
    }
    void eachManualInItsLanguage() {
        QFETCH(int, language);
        QFETCH(QString, caption);
        const QString path = manualPath(language);
        QVERIFY2(QFileInfo(path).isFile(), qPrintable(path + " was not built"));
        const QString text = pdfText(path);
        QVERIFY2(text.contains(kOwnPhrases[language]), qPrintable(text.left(200)));
        QVERIFY(text.contains(caption));
        for (int other = 0; other < kLanguageCount; ++other)
            if (other != language)
                QVERIFY2(!text.contains(kOwnPhrases[other]), qPrintable(kOwnPhrases[other]));
    }

    // The four pages of the main window, all of one size, and the about box.
    void eachManualShowsTheWindow_data() {
        QTest::addColumn<int>("language");
        for (int language = 0; language < kLanguageCount; ++language)
            QTest::newRow(qPrintable(kOwnPhrases[language])) << language;
    }
    void eachManualShowsTheWindow() {
        QFETCH(int, language);
        QList<QSize> sizes = pdfImageSizes(manualPath(language));
        QCOMPARE(sizes.removeAll(QSize(AboutBox::kWidth, AboutBox::kHeight)), 1);
        QCOMPARE(sizes.size(), 4);
        QCOMPARE(sizes.count(sizes.first()), 4);
        QVERIFY(sizes.first().width() > AboutBox::kWidth);
    }
};

QTEST_MAIN(TestManuals)
#include "tst_manuals.moc"

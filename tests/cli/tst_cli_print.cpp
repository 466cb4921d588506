// varko-cli print: the four pages of Print all from a parameter file, as a PDF read back with
// poppler's pdfinfo and pdftotext.

#include "CliProcess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString poppler(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return "(" + program + " failed: " + process.errorString() + ")";
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString& pdf) {
    static const QRegularExpression pages("Pages:\\s+(\\d+)");
    return pages.match(poppler("pdfinfo", {pdf})).captured(1).toInt();
}

// One page's text, its runs of blanks made single.
QString pageText(const QString& pdf, int page) {
    const QString number = QString::number(page);
    return poppler("pdftotext", {"-layout", "-f", number, "-l", number, pdf, "-"})
        .replace(QRegularExpression(" +"), " ");
}

} // namespace

class TestCliPrint : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(dir.isValid()); }

    // Values that tell the two models apart, each on its own page.
    void fourPagesWithThePresetsValues_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("pageTexts"); // one text expected on each page
        QTest::addColumn<QString>("stamp");
        QTest::newRow("Yamaha R6") << "20"
                                   << "en"
                                   << QStringList{"11,000 Limiter [rpm]", "Yamaha R6",
                                                  "10 12 15 25 28 30 32 32 32 32", "Servo enable"}
                                   << "Date and time of printing:";
        QTest::newRow("Kawasaki ZX, German")
            << "0"
            << "de"
            << QStringList{"Begrenzer [U/min]", "Kawasaki ZX", "Grundvorzündung [°]", "Servo ein"}
            << "Zeitpunkt des Ausdruckes";
    }
    void fourPagesWithThePresetsValues() {
        QFETCH(QString, code);
        QFETCH(QString, language);
        QFETCH(QStringList, pageTexts);
        QFETCH(QString, stamp);
        const QString ign = dir.filePath("preset.ign");
        const QString pdf = dir.filePath("preset.pdf");
        QCOMPARE(runCli({"preset", code, "-o", ign}).status, 0);

        const CliRun run = runCli({"print", ign, "-o", pdf, "--language", language});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QCOMPARE(pageCount(pdf), 4);
        const QStringList tabs =
            language == "en"
                ? QStringList{"Miscellaneous", "Bike", "Advance Map", "Servo"}
                : QStringList{"Verschiedenes", "Motorrad", "Vorzündungskennfeld", "Servo"};
        for (int page = 1; page <= 4; ++page) {
            const QString text = pageText(pdf, page);
            QVERIFY2(text.trimmed().startsWith(tabs[page - 1]), qPrintable(text));
            QVERIFY2(text.contains(pageTexts[page - 1]), qPrintable(text));
            QVERIFY2(text.contains(stamp), qPrintable(text));
            QVERIFY2(text.contains(QDir::toNativeSeparators(ign)), qPrintable(text));
            // The controls the printing state hides are not there.
            for (const char* hidden : {"Set TPS 0 %", "Programming after change"})
                QVERIFY2(!text.contains(hidden), hidden);
        }
        // The other model's value is not on its page.
        const QString otherModel = code == "20" ? "Kawasaki ZX" : "Yamaha R6";
        QVERIFY(!pageText(pdf, 2).contains(otherModel));
    }

    void failures_data() {
        QTest::addColumn<QStringList>("arguments"); // FILE and OUT stand for the two paths
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("file missing")
            << QStringList{"print", "missing.ign", "-o", "OUT"} << 1 << "Open file error!";
        QTest::newRow("output folder missing")
            << QStringList{"print", "FILE", "-o", "no/such/folder/out.pdf"} << 1
            << "varko-cli: write error: no/such/folder/out.pdf: No such file or directory\n";
        QTest::newRow("unknown language")
            << QStringList{"print", "FILE", "-o", "OUT", "--language", "xx"} << 2
            << "LANG must be en, de, fr or cz";
        QTest::newRow("no output") << QStringList{"print", "FILE"} << 2 << "missing -o FILE";
    }
    void failures() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        QCOMPARE(runCli({"preset", "20", "-o", dir.filePath("in.ign")}).status, 0);
        arguments.replaceInStrings(QRegularExpression("^FILE$"), dir.filePath("in.ign"));
        arguments.replaceInStrings(QRegularExpression("^OUT$"), dir.filePath("out.pdf"));
        const CliRun run = runCli(arguments, dir.path());
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(dir.filePath("out.pdf")));
    }

    void helpListsPrint() {
        const CliRun help = runCli({"--help"});
        QVERIFY(help.out.contains("varko-cli print FILE -o OUT.pdf [--language en|de|fr|cz]"));
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestCliPrint)
#include "tst_cli_print.moc"

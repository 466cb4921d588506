// Print and Print all through the real path: the default printer of a CUPS server, the PDF
// queue of cups-pdf (scripts/print-server.sh sets it up), no dialog. The files cups-pdf writes
// are the printout: one file of one page per job. Its trip through PostScript turns the texts
// into outlines, so the texts (the stamp, none of the controls the printing state hides) are read
// from the document the server took for the job, which it keeps in its spool folder.

#include "Controls.h"
#include "WindowFixture.h"
#include "model/Messages.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

namespace {

const QString kQueue = QStringLiteral("PDF");

// Where cups-pdf puts a job of this user: its "Out" setting, ${HOME}/PDF unless set otherwise.
QString outputFolder() {
    QString out = QStringLiteral("${HOME}/PDF");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly)) {
        static const QRegularExpression line(QStringLiteral("^Out\\s+(\\S+)"),
                                             QRegularExpression::MultilineOption);
        const auto match = line.match(QString::fromUtf8(conf.readAll()));
        if (match.hasMatch())
            out = match.captured(1);
    }
    const passwd* user = getpwuid(getuid());
    out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(user->pw_dir));
    out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(user->pw_name));
    return out;
}

// cups-pdf ends its file names with the job's number.
int jobNumberOf(const QString& printout) {
    static const QRegularExpression jobNumber(QStringLiteral("job_(\\d+)\\.pdf$"));
    return jobNumber.match(printout).captured(1).toInt();
}

QStringList pdfFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The files that came after the ones already there, once the queue has done its jobs, in the
// order of their job numbers.
QStringList newFiles(const QString& folder, const QStringList& before, int wanted) {
    QStringList added;
    for (int wait = 0; wait < 300; ++wait) {
        added.clear();
        for (const QString& name : pdfFiles(folder))
            if (!before.contains(name))
                added << QDir(folder).filePath(name);
        if (added.size() >= wanted && run("lpstat", {"-o", kQueue}).trimmed().isEmpty())
            break;
        QTest::qWait(100);
    }
    std::sort(added.begin(), added.end(),
              [](const QString& a, const QString& b) { return jobNumberOf(a) < jobNumberOf(b); });
    return added;
}

// The server's copy of the document of the job that gave a file of cups-pdf.
QString spooledDocument(const QString& printout) {
    return QStringLiteral("/var/spool/cups/d%1-001")
        .arg(jobNumberOf(printout), 5, 10, QLatin1Char('0'));
}

int pageCount(const QString& pdf) {
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(run(QStringLiteral("pdfinfo"), {pdf})).captured(1).toInt();
}

QString textOf(const QString& pdf) {
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

} // namespace

class TestCupsPrint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Only the queue made for the tests, whatever else the machine's default is.
        qputenv("PRINTER", kQueue.toUtf8());
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (printer.printerName() != kQueue)
            QFAIL("No CUPS server with the queue PDF as the default printer (found: '" +
                  printer.printerName().toUtf8() + "'); scripts/print-server.sh sets it up.");
    }

    void printsThroughTheServer_data() {
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<int>("jobs");
        QTest::newRow("Print") << Control::printItem << 1;
        QTest::newRow("Print all") << Control::printAllItem << 4;
    }
    void printsThroughTheServer() {
        QFETCH(QString, menuItem);
        QFETCH(int, jobs);
        WindowFixture window;
        const QString folder = outputFolder();
        const QStringList before = pdfFiles(folder);

        window.find<QAction>(menuItem)->trigger();
        QCOMPARE(window.boxes.asked, QStringList()); // no failure to tell

        const QStringList files = newFiles(folder, before, jobs);
        QVERIFY2(files.size() == jobs, qPrintable(QString("%1 of %2 files from cups-pdf in %3")
                                                      .arg(files.size())
                                                      .arg(jobs)
                                                      .arg(folder)));
        for (const QString& file : files) {
            QCOMPARE(pageCount(file), 1);
            const QString taken = spooledDocument(file);
            QVERIFY2(QFile(taken).open(QIODevice::ReadOnly),
                     qPrintable("cannot read the server's copy " + taken +
                                " (it is the print server's, readable by root)"));
            QCOMPARE(pageCount(taken), 1);
            const QString text = textOf(taken);
            QVERIFY2(text.contains(
                         varko::messageText(varko::Msg::printDateTime, varko::Language::English)
                             .trimmed()),
                     qPrintable(text));
            for (const char* hidden : {"Set TPS 0 %", "Set TPS 100 %", "Programming after change"})
                QVERIFY2(!text.contains(hidden), hidden);
            QVERIFY(!text.contains(QRegularExpression("\\bAll\\b")));
            QFile::remove(file);
        }
    }
};

QTEST_MAIN(TestCupsPrint)
#include "tst_cups_print.moc"

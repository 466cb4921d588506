// The history folder: entries written whole with their index, listed newest first even when the
// index is lost or damaged, and capped without ever touching the newest entries.

#include "FullFileSystem.h"
#include "PresetImage.h"
#include "TestFiles.h"
#include "storage/FileIo.h"
#include "storage/FileNames.h"
#include "storage/History.h"
#include "storage/ParamFile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace varko;

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void entriesKeepWhatHappened();
    void openFileKeepsItsBytes();
    void sameSecondGetsItsOwnFile();
    void sameSecondListsInOrder();
    void folderIsTheTruth();
    void cap_data();
    void cap();
    void addDeletesWhatLiesBeyondTheCap();
    void fullDiskLeavesNothingBehind();
};

namespace {

const QDateTime kNow(QDate(2026, 12, 10), QTime(16, 0, 0));

void touch(const QString& path, const QByteArray& text = "KALUBREN_KEY 75") {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QStringList fileNames(const QList<HistoryEntry>& entries) {
    QStringList names;
    for (const HistoryEntry& entry : entries)
        names << entry.fileName;
    return names;
}

} // namespace

void TestHistory::entriesKeepWhatHappened() {
    QTemporaryDir dir;
    History history(dir.filePath("history")); // made on the first entry
    const ParamImage image = presetImage(20);
    const UnitIdentity unit{"VAR\t3", "12.03.2024", 17};
    QVERIFY(history.add(image, HistoryEvent::Read, unit, "/home/r/tune.ign", kNow));
    QVERIFY(history.add(image, HistoryEvent::Programmed, {}, {}, kNow.addSecs(60)));

    const QList<HistoryEntry> entries = history.entries();
    QCOMPARE(fileNames(entries),
             (QStringList{"2026-12-10_16-01-00_programmed.ign", "2026-12-10_16-00-00_read.ign"}));
    const HistoryEntry& read = entries[1];
    QCOMPARE(read.event, HistoryEvent::Read);
    QCOMPARE(read.when, kNow);
    QCOMPARE(read.unit.name, unit.name); // a tab in a name does not break the index
    QCOMPARE(read.unit.date, unit.date);
    QCOMPARE(read.unit.programmingCount, 17);
    QCOMPARE(read.openFile, "/home/r/tune.ign");
    QCOMPARE(entries[0].unit.programmingCount, -1);

    ParamImage loaded;
    std::uint8_t version = 0;
    QVERIFY(loadParamFile(history.filePath(read), loaded, version, [](FileMessage) {}));
    QCOMPARE(loaded.bytes, image.bytes);
}

// The open file's name is kept byte for byte, and one in UTF-8 is written as it always was.
void TestHistory::openFileKeepsItsBytes() {
    QTemporaryDir dir;
    History history(dir.path());
    const QString latin1 = decodeFileName("/home/r/caf\xE9.ign");
    QVERIFY(history.add(presetImage(20), HistoryEvent::Read, {}, latin1, kNow));
    QVERIFY(history.add(presetImage(20), HistoryEvent::Read, {}, u"/home/r/café.ign"_qs,
                        kNow.addSecs(1)));
    const QList<HistoryEntry> entries = history.entries();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(encodeFileName(entries[1].openFile), "/home/r/caf\xE9.ign");
    QCOMPARE(entries[0].openFile, u"/home/r/café.ign"_qs);
    const QByteArray index = readTestFile(dir.filePath("index.tsv"));
    QVERIFY(index.contains("\t%2Fhome%2Fr%2Fcaf%E9.ign\n"));
    QVERIFY(index.contains("\t%2Fhome%2Fr%2Fcaf%C3%A9.ign\n"));
}

void TestHistory::sameSecondGetsItsOwnFile() {
    QTemporaryDir dir;
    History history(dir.path());
    for (int i = 0; i < 3; ++i)
        QVERIFY(history.add(presetImage(20), HistoryEvent::BeforeProgramming, {}, {}, kNow));
    QCOMPARE(fileNames(history.entries()),
             (QStringList{"2026-12-10_16-00-00_before-programming_3.ign",
                          "2026-12-10_16-00-00_before-programming_2.ign",
                          "2026-12-10_16-00-00_before-programming.ign"}));
}

// A read and the program right after it: their names tell the same second, the index the order.
void TestHistory::sameSecondListsInOrder() {
    QTemporaryDir dir;
    History history(dir.path());
    const QDateTime readAt = kNow.addMSecs(100);
    QVERIFY(history.add(presetImage(20), HistoryEvent::Read, {}, {}, readAt));
    QVERIFY(history.add(presetImage(20), HistoryEvent::Programmed, {}, {}, kNow.addMSecs(900)));
    const QList<HistoryEntry> entries = history.entries();
    QCOMPARE(fileNames(entries),
             (QStringList{"2026-12-10_16-00-00_programmed.ign", "2026-12-10_16-00-00_read.ign"}));
    QCOMPARE(entries[1].when, readAt);
}

// An entry the index does not know is listed from its name; damaged index lines and other files
// are passed over.
void TestHistory::folderIsTheTruth() {
    QTemporaryDir dir;
    History history(dir.path());
    QVERIFY(history.add(presetImage(20), HistoryEvent::Read, {"VAR", "", 3}, {}, kNow));
    touch(dir.filePath("2026-11-01_08-30-00_programmed.ign"));
    touch(dir.filePath("notes.ign"));
    touch(dir.filePath("2026-11-01_08-30-00_erased.ign"));
    QFile index(dir.filePath("index.tsv"));
    QVERIFY(index.open(QIODevice::Append));
    index.write("garbage\n\t\t\t\n2026-11-01_08-30-00_programmed.ign\tnot a date\tread\t\t\t1\t\n");
    index.close();

    const QList<HistoryEntry> entries = history.entries();
    QCOMPARE(fileNames(entries),
             (QStringList{"2026-12-10_16-00-00_read.ign", "2026-11-01_08-30-00_programmed.ign"}));
    QCOMPARE(entries[0].unit.name, "VAR");
    QCOMPARE(entries[1].event, HistoryEvent::Programmed);
    QCOMPARE(entries[1].when, QDateTime(QDate(2026, 11, 1), QTime(8, 30)));
    QCOMPARE(entries[1].unit.programmingCount, -1);
}

void TestHistory::cap_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("recent"); // the newest entries, an hour apart; the rest 40 days old
    QTest::addColumn<int>("beyond");
    QTest::newRow("fewer than 500, all old") << 120 << 0 << 0;
    QTest::newRow("600 of the last days") << 600 << 600 << 0;
    QTest::newRow("600 old") << 600 << 0 << 100;
    QTest::newRow("510: 10 recent, the rest old") << 510 << 10 << 10;
    QTest::newRow("700: 550 recent") << 700 << 550 << 150;
}

void TestHistory::cap() {
    QFETCH(int, count);
    QFETCH(int, recent);
    QFETCH(int, beyond);
    QList<HistoryEntry> newestFirst;
    for (int i = 0; i < count; ++i) {
        HistoryEntry entry;
        entry.fileName = QString::number(i);
        entry.when = i < recent ? kNow.addSecs(-3600 * i) : kNow.addDays(-40).addSecs(-i);
        newestFirst << entry;
    }
    const QList<HistoryEntry> deleted = entriesBeyondCap(newestFirst, kNow);
    QCOMPARE(deleted.size(), beyond);
    if (beyond > 0) // always the oldest ones
        QCOMPARE(deleted.last().fileName, QString::number(count - 1));
    for (const HistoryEntry& entry : deleted)
        QVERIFY(entry.fileName.toInt() >= kKeepNewest);
}

void TestHistory::addDeletesWhatLiesBeyondTheCap() {
    QTemporaryDir dir;
    History history(dir.path());
    const QDateTime old = kNow.addDays(-60);
    for (int i = 0; i < kKeepNewest + 1; ++i)
        touch(dir.filePath(old.addSecs(i).toString("yyyy-MM-dd_HH-mm-ss") + "_read.ign"));
    QVERIFY(history.add(presetImage(20), HistoryEvent::Programmed, {}, {}, kNow));

    const QList<HistoryEntry> entries = history.entries();
    QCOMPARE(entries.size(), kKeepNewest);
    QCOMPARE(entries.first().event, HistoryEvent::Programmed);
    QVERIFY(!QFile::exists(dir.filePath(old.toString("yyyy-MM-dd_HH-mm-ss") + "_read.ign")));
    QVERIFY(
        !QFile::exists(dir.filePath(old.addSecs(1).toString("yyyy-MM-dd_HH-mm-ss") + "_read.ign")));
    QVERIFY(
        QFile::exists(dir.filePath(old.addSecs(2).toString("yyyy-MM-dd_HH-mm-ss") + "_read.ign")));
}

void TestHistory::fullDiskLeavesNothingBehind() {
    FullFileSystem disk;
    if (!disk.problem().isEmpty())
        QFAIL(qPrintable(disk.problem()));
    History history(disk.path());
    QVERIFY(history.add(presetImage(20), HistoryEvent::Read, {}, {}, kNow));
    const QByteArray index = *readSmallFile(disk.filePath("index.tsv"));
    QVERIFY(disk.fill());

    QVERIFY(!history.add(presetImage(30), HistoryEvent::Programmed, {}, {}, kNow.addSecs(5)));
    QCOMPARE(fileNames(history.entries()), QStringList{"2026-12-10_16-00-00_read.ign"});
    QCOMPARE(*readSmallFile(disk.filePath("index.tsv")), index);
}

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"

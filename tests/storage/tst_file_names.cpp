// File names are bytes: every name survives the trip through a QString, a file with a name that
// is not UTF-8 is read under its own name, and one that Qt's classes would write under another
// name is refused instead.

#include "storage/FileIo.h"
#include "storage/FileNames.h"
#include "storage/GrowingFile.h"

#include "ByteNames.h"
#include "TestFiles.h"

#include <QDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace varko;

class TestFileNames : public QObject {
    Q_OBJECT
private slots:
    void namesSurviveTheirDecoding_data();
    void namesSurviveTheirDecoding();
    void everyShortNameSurvives();
    void commandLineKeepsEveryByte();
    void fileIsReadUnderItsOwnName();
    void recordingIsWrittenUnderItsOwnName();
    void replacingIsRefusedRatherThanWrittenElsewhere();
    void absoluteNameKeepsEveryByte();
};

// A name that is UTF-8 is the text it encodes (a byte-order mark included); every other byte
// stands for itself.
void TestFileNames::namesSurviveTheirDecoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text"); // empty: not UTF-8
    QTest::newRow("ASCII") << QByteArray("/tmp/bike 2.ign") << u"/tmp/bike 2.ign"_qs;
    QTest::newRow("two-byte UTF-8") << QByteArray("caf\xC3\xA9.ign") << u"café.ign"_qs;
    QTest::newRow("three-byte UTF-8") << QByteArray("\xE2\x82\xAC") << u"€"_qs;
    QTest::newRow("four-byte UTF-8") << QByteArray("\xF0\x9D\x84\x9E") << u"𝄞"_qs;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFx") << u"\uFEFFx"_qs;
    QTest::newRow("Latin-1") << kLatin1Name << QString();
    QTest::newRow("Latin-1 after a four-byte character")
        << QByteArray("\xF0\x9D\x84\x9E\xE9") << QString();
    QTest::newRow("cut two-byte sequence") << QByteArray("a\xC3") << QString();
    QTest::newRow("cut three-byte sequence") << QByteArray("\xE2\x82.ign") << QString();
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << QString();
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << QString();
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << QString();
    QTest::newRow("lone continuation bytes") << QByteArray("\x80\xBF") << QString();
    QTest::newRow("FF") << QByteArray("\xFF") << QString();
}

void TestFileNames::namesSurviveTheirDecoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const QString name = decodeFileName(bytes);
    QCOMPARE(encodeFileName(name), bytes);
    QCOMPARE(qtReaches(name), !text.isEmpty());
    if (!text.isEmpty())
        QCOMPARE(name, text);
    else
        QVERIFY(!name.contains(QChar::ReplacementCharacter));
}

void TestFileNames::everyShortNameSurvives() {
    for (int first = 1; first < 256; ++first) {
        for (int second = 1; second < 256; ++second) {
            const QByteArray bytes{char(first), char(second)};
            QVERIFY2(encodeFileName(decodeFileName(bytes)) == bytes, bytes.toHex().constData());
        }
    }
}

void TestFileNames::commandLineKeepsEveryByte() {
    const char* const argv[] = {"varko-cli", "dump", kLatin1Name.constData()};
    const QStringList arguments = commandLineArguments(3, argv);
    QCOMPARE(arguments.size(), 3);
    QCOMPARE(arguments[1], "dump");
    QCOMPARE(encodeFileName(arguments[2]), kLatin1Name);
}

void TestFileNames::fileIsReadUnderItsOwnName() {
    ByteNamedFolder dir;
    const QByteArray path = dir.pathOf(kLatin1Name);
    writeFileAt(path, "KALUBREN_KEY 75");
    const QString name = decodeFileName(path);
    QVERIFY(isRegularFile(name));
    QCOMPARE(readSmallFile(name), std::optional<QByteArray>("KALUBREN_KEY 75"));
    // What Qt makes of the name is another name, of no file.
    QVERIFY(!isRegularFile(QFile::decodeName(path)));
}

void TestFileNames::recordingIsWrittenUnderItsOwnName() {
    ByteNamedFolder dir;
    const QByteArray path = dir.pathOf(kLatin1Name);
    GrowingFile file;
    QVERIFY(file.create(decodeFileName(path)));
    QVERIFY(file.append("time_ms\n"));
    QVERIFY(file.isStillAt(decodeFileName(path)));
    file.close();
    QCOMPARE(folderEntries(dir.path()), QByteArrayList{kLatin1Name});
    QCOMPARE(readFileAt(path), "time_ms\n");
}

void TestFileNames::replacingIsRefusedRatherThanWrittenElsewhere() {
    ByteNamedFolder dir;
    const QByteArray path = dir.pathOf(kLatin1Name);
    const QString name = decodeFileName(path);
    QCOMPARE(saveObstacle(name), QString::fromLocal8Bit(std::strerror(EILSEQ)));
    QVERIFY(!replaceFile(name, "new", MissingFolder::Fail));
    QCOMPARE(folderEntries(dir.path()), QByteArrayList());

    writeFileAt(path, "old");
    QVERIFY(!replaceFile(name, "new", MissingFolder::Fail));
    QCOMPARE(folderEntries(dir.path()), QByteArrayList{kLatin1Name});
    QCOMPARE(readFileAt(path), "old");
}

// The current folder's name is bytes too.
void TestFileNames::absoluteNameKeepsEveryByte() {
    ByteNamedFolder dir;
    const QByteArray folder = dir.pathOf("\xE9t\xE9");
    QVERIFY(::mkdir(folder.constData(), 0700) == 0);
    const QString before = QDir::currentPath();
    QVERIFY(::chdir(folder.constData()) == 0);
    const QString absolute = absoluteFileName(decodeFileName("sub/../" + kLatin1Name));
    QVERIFY(QDir::setCurrent(before));
    QCOMPARE(encodeFileName(absolute), folder + '/' + kLatin1Name);
    QCOMPARE(absoluteFileName("/tmp/./a/../b.ign"), "/tmp/b.ign");
}

QTEST_GUILESS_MAIN(TestFileNames)
#include "tst_file_names.moc"

// The settings file: literal keys, defaults for what is missing or broken, and everything else a
// user put into the file kept on rewrite.

#include "storage/ConfigPaths.h"
#include "storage/FileIo.h"
#include "storage/SettingsFile.h"

#include "PipeWithoutWriter.h"
#include "ScopedConfigDir.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace varko;

namespace {

SettingsValues presetValues() {
    SettingsValues values;
    values.left = 111;
    values.top = 222;
    values.height = 790;
    values.width = 970;
    return values;
}

SettingsValues changedValues() {
    SettingsValues values;
    values.left = -8;
    values.top = 20;
    values.height = 800;
    values.width = 1000;
    values.window = {.language = Language::French,
                     .portSelection = 20,
                     .scanIndex = 0,
                     .backupBeforeProgramming = false};
    values.file = QStringLiteral("/home/rider/Mopeds/ä b.ign");
    values.iniDir = QStringLiteral("/home/rider/Mopeds/ä b.ign");
    values.activePage = 2;
    return values;
}

// The keys of changedValues() in the order a new file gets them.
const QByteArray kChangedKeyLines = "Left=-8\r\n"
                                    "Top=20\r\n"
                                    "Height=800\r\n"
                                    "Width=1000\r\n"
                                    "ComPort=21\r\n"
                                    "ComPortAuto=1\r\n"
                                    "Language=2\r\n"
                                    "File=/home/rider/Mopeds/\xc3\xa4 b.ign\r\n"
                                    "IniDir=/home/rider/Mopeds/\xc3\xa4 b.ign\r\n"
                                    "PageControl1->ActivePageIndex=2\r\n"
                                    "BackupBeforeProgramming=0\r\n";

QVariant fieldValue(const SettingsValues& values, const QString& field) {
    const QMap<QString, QVariant> fields{
        {"left", values.left},
        {"top", values.top},
        {"height", values.height},
        {"width", values.width},
        {"portSelection", int(values.window.portSelection)},
        {"scanIndex", int(values.window.scanIndex)},
        {"language", int(values.window.language)},
        {"file", values.file},
        {"iniDir", values.iniDir},
        {"activePage", values.activePage},
        {"backup", values.window.backupBeforeProgramming},
    };
    return fields.value(field);
}

bool sameValues(const SettingsValues& a, const SettingsValues& b) {
    for (const char* field : {"left", "top", "height", "width", "portSelection", "scanIndex",
                              "language", "file", "iniDir", "activePage", "backup"})
        if (fieldValue(a, field) != fieldValue(b, field))
            return false;
    return true;
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void filesLiveInTheConfigFolder() {
        ScopedConfigDir config;
        const QString folder = config.path() + "/varko";
        QCOMPARE(configDir(), folder);
        QCOMPARE(settingsFilePath(), folder + "/VARKO_v75ini");
        QCOMPARE(lastStateFilePath(), folder + "/_VARKO_v75ini");
        QCOMPARE(testSwitchFilePath(), folder + "/test_dorvik.txt");
        QCOMPARE(portOverrideDir(), folder + "/ports");
    }

    void firstRunKeepsThePresets() {
        ScopedConfigDir config;
        SettingsValues values = presetValues();
        QVERIFY(!loadSettingsFile(settingsFilePath(), values).unreadable);
        QVERIFY(sameValues(values, presetValues()));
        QCOMPARE(values.window.portSelection, 0);
        QCOMPARE(values.window.scanIndex, 255);
        QCOMPARE(values.window.language, Language::English);
        QCOMPARE(values.activePage, 1);
        QVERIFY(values.file.isEmpty() && values.iniDir.isEmpty());
    }

    void savingWritesTheKeysLiterallyIntoANewFolder() {
        ScopedConfigDir config;
        QVERIFY(saveSettingsFile(settingsFilePath(), changedValues()));
        QCOMPARE(readTestFile(settingsFilePath()), "[FORM_HLAV]\r\n" + kChangedKeyLines);
        SettingsValues values = presetValues();
        loadSettingsFile(settingsFilePath(), values);
        QVERIFY(sameValues(values, changedValues()));
    }

    void readingKeys_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("expected");
        const QVariant presetLeft = presetValues().left;
        QTest::newRow("automatic port")
            << QByteArray("ComPort=21") << "portSelection" << QVariant(20);
        QTest::newRow("port 0 wraps")
            << QByteArray("ComPort=0") << "portSelection" << QVariant(255);
        QTest::newRow("scan start") << QByteArray("ComPortAuto=1") << "scanIndex" << QVariant(0);
        QTest::newRow("language low 8 bits")
            << QByteArray("Language=258") << "language" << QVariant(2);
        QTest::newRow("page") << QByteArray("PageControl1->ActivePageIndex=2") << "activePage"
                              << QVariant(2);
        QTest::newRow("backup off")
            << QByteArray("BackupBeforeProgramming=0") << "backup" << QVariant(false);
        QTest::newRow("backup on by any number")
            << QByteArray("BackupBeforeProgramming=7") << "backup" << QVariant(true);
        QTest::newRow("backup word")
            << QByteArray("BackupBeforeProgramming=off") << "backup" << QVariant(true);
        QTest::newRow("negative") << QByteArray("Left=-42") << "left" << QVariant(-42);
        QTest::newRow("plus sign") << QByteArray("Left=+42") << "left" << QVariant(42);
        QTest::newRow("blanks and tabs") << QByteArray(" Left \t=  42 ") << "left" << QVariant(42);
        QTest::newRow("LF only") << QByteArray("Top=1\nLeft=42\nWidth=3") << "left" << QVariant(42);
        QTest::newRow("other case") << QByteArray("lEfT=42") << "left" << QVariant(42);
        QTest::newRow("first of two") << QByteArray("Left=42\r\nLeft=43") << "left" << QVariant(42);
        QTest::newRow("word") << QByteArray("Left=abc") << "left" << presetLeft;
        QTest::newRow("empty") << QByteArray("Left=") << "left" << presetLeft;
        QTest::newRow("trailing word") << QByteArray("Left=12abc") << "left" << presetLeft;
        QTest::newRow("hexadecimal") << QByteArray("Left=0x10") << "left" << presetLeft;
        QTest::newRow("beyond 32 bits") << QByteArray("Left=99999999999") << "left" << presetLeft;
        QTest::newRow("no equals sign") << QByteArray("Left 42") << "left" << presetLeft;
        QTest::newRow("string with blanks")
            << QByteArray("File = /tmp/a b.ign ") << "file" << QVariant("/tmp/a b.ign");
        QTest::newRow("string with equals sign")
            << QByteArray("IniDir=/tmp/a=b.ign") << "iniDir" << QVariant("/tmp/a=b.ign");
    }
    void readingKeys() {
        QFETCH(QByteArray, text);
        QFETCH(QString, field);
        QFETCH(QVariant, expected);
        ScopedConfigDir config;
        writeTestFile(config.varkoDir() + "/VARKO_v75ini", "[FORM_HLAV]\r\n" + text);
        SettingsValues values = presetValues();
        loadSettingsFile(settingsFilePath(), values);
        QCOMPARE(fieldValue(values, field), expected);
    }

    void keysOutsideTheSectionDoNotCount_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("other section") << QByteArray("[OTHER]\r\nLeft=42\r\n[FORM_HLAV]\r\n");
        QTest::newRow("before any section") << QByteArray("Left=42\r\n[FORM_HLAV]\r\n");
        QTest::newRow("no section") << QByteArray("Left=42");
        QTest::newRow("comment") << QByteArray("[FORM_HLAV]\r\n;Left=42");
    }
    void keysOutsideTheSectionDoNotCount() {
        QFETCH(QByteArray, text);
        ScopedConfigDir config;
        writeTestFile(config.varkoDir() + "/VARKO_v75ini", text);
        SettingsValues values = presetValues();
        loadSettingsFile(settingsFilePath(), values);
        QCOMPARE(values.left, presetValues().left);
    }

    void rewriteKeepsWhatTheUserAdded() {
        ScopedConfigDir config;
        writeTestFile(config.varkoDir() + "/VARKO_v75ini", "; my notes\r\n"
                                                           "[OTHER]\r\n"
                                                           "A=1\r\n"
                                                           "\r\n"
                                                           "[form_hlav]\n"
                                                           "Mine = \xff odd bytes\n"
                                                           "Left=5\n"
                                                           "\n"
                                                           "[LAST]\n"
                                                           "B=2");
        QVERIFY(saveSettingsFile(settingsFilePath(), changedValues()));
        QCOMPARE(readTestFile(settingsFilePath()), QByteArray("; my notes\r\n"
                                                              "[OTHER]\r\n"
                                                              "A=1\r\n"
                                                              "\r\n"
                                                              "[form_hlav]\r\n"
                                                              "Mine = \xff odd bytes\r\n" +
                                                              kChangedKeyLines +
                                                              "\r\n"
                                                              "[LAST]\r\n"
                                                              "B=2\r\n"));
    }

    // As some editors save the file; the mark stays where it was.
    void byteOrderMarkBeforeTheSection() {
        ScopedConfigDir config;
        const QByteArray mark = "\xEF\xBB\xBF";
        writeTestFile(config.varkoDir() + "/VARKO_v75ini", mark + "[FORM_HLAV]\r\nLeft=42\r\n");
        SettingsValues values = presetValues();
        loadSettingsFile(settingsFilePath(), values);
        QCOMPARE(values.left, 42);
        QVERIFY(saveSettingsFile(settingsFilePath(), changedValues()));
        QCOMPARE(readTestFile(settingsFilePath()), mark + "[FORM_HLAV]\r\n" + kChangedKeyLines);
    }

    // A path may hold a line break; written as it is, it would break the file and could even
    // plant a key of its own.
    void lineBreaksInValuesCannotInjectKeys() {
        ScopedConfigDir config;
        SettingsValues saved = changedValues();
        saved.file = QStringLiteral("/tmp/a\nLeft=999\r\nTop=999");
        QVERIFY(saveSettingsFile(settingsFilePath(), saved));
        SettingsValues values = presetValues();
        loadSettingsFile(settingsFilePath(), values);
        QCOMPARE(values.left, saved.left);
        QCOMPARE(values.top, saved.top);
        QCOMPARE(values.file, QString());
        QCOMPARE(values.iniDir, saved.iniDir);
    }

    // A carriage return alone ends no line when the file is read, so a name holding one keeps it.
    void carriageReturnInsideAValueReadsBack() {
        ScopedConfigDir config;
        SettingsValues saved = changedValues();
        saved.file = QStringLiteral("/tmp/a\rLeft=999");
        QVERIFY(saveSettingsFile(settingsFilePath(), saved));
        SettingsValues values = presetValues();
        loadSettingsFile(settingsFilePath(), values);
        QCOMPARE(values.file, saved.file);
        QCOMPARE(values.left, saved.left);
    }

    // The two paths are kept byte for byte, whatever their encoding; a name in UTF-8 is its text.
    void fileNamesKeepTheirBytes() {
        ScopedConfigDir config;
        const QByteArray file = "File=/home/r/caf\xE9.ign\r\n";
        const QByteArray iniDir = "IniDir=/home/r/\xC3\xA9t\xC3\xA9/caf\xE9.ign\r\n";
        writeTestFile(config.varkoDir() + "/VARKO_v75ini", "[FORM_HLAV]\r\n" + file + iniDir);
        SettingsValues values = presetValues();
        loadSettingsFile(settingsFilePath(), values);
        QCOMPARE(values.iniDir.left(14), u"/home/r/été/ca"_qs);
        values.left = 7;
        QVERIFY(saveSettingsFile(settingsFilePath(), values));
        const QByteArray written = readTestFile(settingsFilePath());
        QVERIFY2(written.startsWith("[FORM_HLAV]\r\n" + file + iniDir), written.constData());
        QVERIFY2(written.contains("\r\nLeft=7\r\n"), written.constData());
    }

    // Moved aside whole, under a name no earlier one has, so the close can write a fresh file.
    void unreadableFileIsMovedAside_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("earlier"); // names already taken by earlier files moved aside
        QTest::addColumn<QString>("suffix");
        QTest::newRow("too large") << "too large" << 0 << ".bad";
        QTest::newRow("too large, once before") << "too large" << 1 << ".bad2";
        QTest::newRow("named pipe") << "named pipe" << 0 << ".bad";
        QTest::newRow("folder, twice before") << "folder" << 2 << ".bad3";
    }
    void unreadableFileIsMovedAside() {
        QFETCH(QString, kind);
        QFETCH(int, earlier);
        QFETCH(QString, suffix);
        ScopedConfigDir config;
        const QString path = config.varkoDir() + "/VARKO_v75ini";
        const auto earlierName = [&](int n) {
            return path + ".bad" + (n > 1 ? QString::number(n) : "");
        };
        for (int n = 1; n <= earlier; ++n)
            writeTestFile(earlierName(n), QByteArray::number(n));
        if (kind == "too large") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(kMaxFileSize + 1));
        } else if (kind == "named pipe") {
            QVERIFY(makePipeWithoutWriter(path));
        } else {
            QVERIFY(QDir().mkpath(path + "/inside"));
        }

        SettingsValues values = presetValues();
        const SettingsLoad load = loadSettingsFile(path, values);
        QVERIFY(load.unreadable);
        QCOMPARE(load.movedTo, path + suffix);
        QVERIFY(sameValues(values, presetValues()));
        for (int n = 1; n <= earlier; ++n)
            QCOMPARE(readTestFile(earlierName(n)), QByteArray::number(n));
        const QFileInfo moved(load.movedTo);
        if (kind == "too large")
            QCOMPARE(moved.size(), kMaxFileSize + 1);
        else if (kind == "folder")
            QVERIFY(QFileInfo::exists(load.movedTo + "/inside"));
        else
            QVERIFY(moved.exists() && !moved.isFile() && !moved.isDir());

        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(saveSettingsFile(path, changedValues()));
        QCOMPARE(readTestFile(path), "[FORM_HLAV]\r\n" + kChangedKeyLines);
    }

    // A file the program cannot read is not overwritten: what it holds would be lost.
    void unreadableFileIsNotReplaced() {
        ScopedConfigDir config;
        QFile file(config.varkoDir() + "/VARKO_v75ini");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(kMaxFileSize + 1));
        file.close();
        QVERIFY(!saveSettingsFile(settingsFilePath(), changedValues()));
        QCOMPARE(QFileInfo(file).size(), kMaxFileSize + 1);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settings_file.moc"

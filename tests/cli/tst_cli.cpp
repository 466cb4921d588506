#include "ByteNames.h"
#include "CliProcess.h"
#include "CodeNames.h"
#include "FullFileSystem.h"
#include "PipeWithoutWriter.h"
#include "PresetImage.h"
#include "TestFiles.h"
#include "cli/Commands.h"
#include "model/FieldNames.h"
#include "model/FormMapping.h"
#include "model/Messages.h"
#include "model/Normalize.h"
#include "model/Presets.h"
#include "storage/ParamFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>

#include <memory>

using namespace varko;

namespace {

QString englishMessage(int n) {
    return messageText(n, varko::Language::English);
}

// The 200 numbers of a dump, after checking its shape: 20 lines of 10 numbers, one blank apart.
QList<int> dumpedBytes(const QString& text) {
    static const QRegularExpression line("^\\d{1,3}( \\d{1,3}){9}$");
    QList<int> bytes;
    const QStringList lines = text.split('\n');
    if (lines.size() != 21 || !lines.last().isEmpty())
        return bytes;
    for (int i = 0; i < 20; ++i) {
        if (!line.match(lines[i]).hasMatch())
            return {};
        for (const QString& number : lines[i].split(' '))
            bytes << number.toInt();
    }
    return bytes;
}

QList<int> bytesOf(const ParamImage& image) {
    return QList<int>(image.bytes.begin(), image.bytes.end());
}

ParamImage expectedPreset(int code) {
    ParamImage image = presetImage(code);
    WindowSettings settings;
    normalize(image, settings);
    return image;
}

QByteArray readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The writer's text without the lines of the given keys.
QByteArray withoutKeys(const QByteArray& text, const QByteArrayList& keys) {
    QByteArrayList kept;
    for (const QByteArray& line : text.split('\n'))
        if (std::none_of(keys.begin(), keys.end(),
                         [&](const QByteArray& key) { return line.startsWith(key + ' '); }))
            kept << line;
    return kept.join('\n');
}

// varko-cli with arguments whose bytes need not be UTF-8, under the locale: QProcess would pass
// such an argument as another name, so the shell makes each from its octal escapes.
CliRun runCliWithBytes(const QByteArrayList& arguments, const QString& locale) {
    QString script = QStringLiteral("exec \"$0\"");
    QStringList shellArguments{"-c", QString(), QStringLiteral(VARKO_BINARY_DIR "/src/varko-cli")};
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        script += QString(" \"$(printf '%b' \"${%1}\")\"").arg(i + 1);
        QString escaped;
        for (const char c : arguments[i]) {
            const uchar byte = uchar(c);
            escaped += byte >= 0x80 || byte < 0x20 || c == '\\' ? QString::asprintf("\\0%03o", byte)
                                                                : QString(QChar(c));
        }
        shellArguments << escaped;
    }
    shellArguments[1] = script;
    QProcess shell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LANG", locale);
    environment.insert("LC_ALL", locale);
    shell.setProcessEnvironment(environment);
    shell.start("/bin/sh", shellArguments);
    CliRun run;
    if (shell.waitForFinished(kCliTimeoutMs) && shell.exitStatus() == QProcess::NormalExit)
        run.status = shell.exitCode();
    run.out = QString::fromUtf8(shell.readAllStandardOutput());
    run.err = QString::fromUtf8(shell.readAllStandardError());
    return run;
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void init();
    void presetThenDump_data();
    void presetThenDump();
    void convertOlderFileWarns();
    void convertInPlace();
    void dumpNormalizeOnRequest();
    void asWindow_data();
    void asWindow();
    void asWindowTakesTheListedModel();
    void missingKeysAreNamed_data();
    void missingKeysAreNamed();
    void inputThatIsNoFile_data();
    void inputThatIsNoFile();
    void fullDisk_data();
    void fullDisk();
    void outputThatCannotBeWritten_data();
    void outputThatCannotBeWritten();
    void readRefusesAnUnwritableFileFirst_data();
    void readRefusesAnUnwritableFileFirst();
    void filesThatFail_data();
    void filesThatFail();
    void diff_data();
    void diff();
    void diffOfAFileThatCannotBeRead_data();
    void diffOfAFileThatCannotBeRead();
    void fileNamesThatAreNotUtf8_data();
    void fileNamesThatAreNotUtf8();
    void usageMistakes_data();
    void usageMistakes();
    void helpListsEveryCommand();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString file(const char* name) const { return dir->filePath(name); }
};

void TestCli::init() {
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestCli::presetThenDump_data() {
    QTest::addColumn<int>("code");
    for (int code : {0, 7, 19, 20, 22, 29, 31, 32, 33, 255})
        QTest::addRow("code %d", code) << code;
}

void TestCli::presetThenDump() {
    QFETCH(int, code);
    const CliRun preset = runCli({"preset", QString::number(code), "-o", file("p.ign")});
    QCOMPARE(preset.err, QString());
    QCOMPARE(preset.status, 0);
    const CliRun dump = runCli({"dump", file("p.ign")});
    QCOMPARE(dump.err, QString());
    QCOMPARE(dump.status, 0);
    QCOMPARE(dumpedBytes(dump.out), bytesOf(expectedPreset(code)));
}

void TestCli::convertOlderFileWarns() {
    writeTestFile(file("old.ign"), "KALUBREN_KEY  48 \r\n\r\nLIMITER     120 \r\nBASE_ADV 7");
    const CliRun convert = runCli({"convert", file("old.ign"), "-o", file("new.ign")});
    QCOMPARE(convert.status, 0);
    QCOMPARE(convert.err, englishMessage(Msg::olderFileVersion) +
                              "\nvarko-cli: " + file("old.ign") +
                              " lacks the keys BIKE, GEBER_MODE, INPUT, PICKUPS_INTERCHANGE, "
                              "NO_LOBE_CHECK, PILOT_LIGHT, CLUTCH, TPS, RPM, EXCITATION, "
                              "TPS_MAPA, RPM_ADV, ADVANCE, SERVO_ENABLE, SERVO_HYSTER, SERVO_RPM, "
                              "SERVO_MV, NO_READING\n");
    QVERIFY(convert.err.startsWith("Older version of *.ign file!\n\nSome parameters"));

    QFile written(file("new.ign"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readLine(), QByteArray("KALUBREN_KEY   75 \r\n"));

    const CliRun dump = runCli({"dump", file("new.ign")});
    QCOMPARE(dump.status, 0);
    QCOMPARE(dump.err, QString());
    const QList<int> bytes = dumpedBytes(dump.out);
    QCOMPARE(bytes.size(), kImageSize);
    // What a 48 file implies, what it said, and normalization of everything it left at 0.
    QCOMPARE(bytes[Field::ignitionsPerRev], 1);
    QCOMPARE(bytes[Field::input1], 2);
    QCOMPARE(bytes[Field::input2], 3);
    QCOMPARE(bytes[Field::limiter], 120);
    QCOMPARE(bytes[Field::baseAdv], 7);
    QCOMPARE(bytes.mid(Field::rpmAdv, 3), QList<int>({3, 4, 5}));
    QCOMPARE(bytes[Field::maxAdvLobe], 1);
}

void TestCli::convertInPlace() {
    QCOMPARE(runCli({"preset", QString::number(BikeCode::hondaVfr750), "-o", file("p.ign")}).status,
             0);
    QFile original(file("p.ign"));
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();

    const CliRun convert = runCli({"convert", file("p.ign"), "-o", file("p.ign")});
    QCOMPARE(convert.status, 0);
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(original.readAll(), before);
}

void TestCli::dumpNormalizeOnRequest() {
    writeTestFile(file("raw.ign"), "KALUBREN_KEY 75\nTPS 700 5050\nRPM_ADV 0 0 0 0 0 0 0 0 0 0\n");
    const QList<int> raw = dumpedBytes(runCli({"dump", file("raw.ign")}).out);
    const QList<int> normalized = dumpedBytes(runCli({"dump", file("raw.ign"), "--normalize"}).out);
    QCOMPARE(raw.size(), kImageSize);
    QCOMPARE(normalized.size(), kImageSize);
    QCOMPARE(raw[Field::tps100], 255);
    QCOMPARE(normalized[Field::tps100], 250);
    QCOMPARE(raw[Field::rpmAdv + 9], 0);
    QCOMPARE(normalized[Field::rpmAdv + 9], 12);
}

// A file with 0 lobes and 5050 mV throttle: normalization alone keeps the lobes and takes the
// throttle to its byte limit, the window's controls give their own minimum and maximum.
void TestCli::asWindow_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("lobes");
    QTest::addColumn<int>("tps100");
    QTest::newRow("dump") << QStringList{"dump", "IN"} << 0 << 255;
    QTest::newRow("dump --normalize") << QStringList{"dump", "IN", "--normalize"} << 0 << 250;
    QTest::newRow("dump --as-window") << QStringList{"dump", "IN", "--as-window"} << 1 << 225;
    QTest::newRow("dump --normalize --as-window")
        << QStringList{"dump", "--normalize", "IN", "--as-window"} << 1 << 225;
    QTest::newRow("convert") << QStringList{"convert", "IN", "-o", "OUT"} << 0 << 250;
    QTest::newRow("convert --as-window")
        << QStringList{"convert", "--as-window", "IN", "-o", "OUT"} << 1 << 225;
}

void TestCli::asWindow() {
    QFETCH(QStringList, arguments);
    QFETCH(int, lobes);
    QFETCH(int, tps100);
    ParamImage image = expectedPreset(20);
    image.lobeCount() = 0;
    image.tps100() = 255; // 5050 mV
    writeTestFile(file("IN"), writeParamFile(image));
    for (QString& argument : arguments)
        argument.replace("IN", file("IN")).replace("OUT", file("OUT"));

    const CliRun run = runCli(arguments);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    const QList<int> bytes =
        dumpedBytes(arguments[0] == "dump" ? run.out : runCli({"dump", file("OUT")}).out);
    QCOMPARE(bytes.size(), kImageSize);
    QCOMPARE(bytes[Field::lobeCount], lobes);
    QCOMPARE(bytes[Field::tps100], tps100);
}

// A model code the window's list does not hold becomes the list's entry, as the window's Open
// makes it; the plain dump keeps the file's code.
void TestCli::asWindowTakesTheListedModel() {
    ParamImage odd = expectedPreset(BikeCode::yamahaR6);
    odd.bike() = BikeCode::unlisted;
    odd.channelCount() = 0;
    writeTestFile(file("IN"), writeParamFile(odd));

    const CliRun plain = runCli({"dump", file("IN")});
    QCOMPARE(dumpedBytes(plain.out).value(Field::bike), BikeCode::unlisted);
    const CliRun asWindow = runCli({"dump", file("IN"), "--as-window"});
    QCOMPARE(asWindow.status, 0);
    const QList<int> bytes = dumpedBytes(asWindow.out);
    QCOMPARE(bytes.value(Field::bike), BikeCode::yamahaR6);
    takeAsWindowOpens(odd, false);
    for (int offset = 0; offset < kImageSize; ++offset)
        QCOMPARE(bytes.value(offset), int(odd[offset]));
}

void TestCli::missingKeysAreNamed_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("dump") << QStringList{"dump", "IN"};
    QTest::newRow("dump --as-window") << QStringList{"dump", "IN", "--as-window"};
    QTest::newRow("convert") << QStringList{"convert", "IN", "-o", "OUT"};
}

void TestCli::missingKeysAreNamed() {
    QFETCH(QStringList, arguments);
    writeTestFile(file("IN"),
                  withoutKeys(writeParamFile(expectedPreset(20)), {"LIMITER", "TPS_MAPA"}));
    for (QString& argument : arguments)
        argument.replace("IN", file("IN")).replace("OUT", file("OUT"));
    const CliRun run = runCli(arguments);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, "varko-cli: " + file("IN") + " lacks the keys LIMITER, TPS_MAPA\n");
}

void TestCli::inputThatIsNoFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("named pipe") << "named pipe";
    QTest::newRow("device") << "device";
    QTest::newRow("folder") << "folder";
}

void TestCli::inputThatIsNoFile() {
    QFETCH(QString, kind);
    const QString path = file("x.ign");
    if (kind == "named pipe")
        QVERIFY(makePipeWithoutWriter(path));
    else if (kind == "device")
        QVERIFY(QFile::link("/dev/null", path));
    else
        QVERIFY(QDir().mkpath(path));
    const CliRun dump = runCli({"dump", path});
    QCOMPARE(dump.err, englishMessage(Msg::openFileError) + "\n");
    QCOMPARE(dump.status, 1);
}

void TestCli::fullDisk_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("preset") << QStringList{"preset", "1", "-o", "OLD"};
    QTest::newRow("convert in place") << QStringList{"convert", "OLD", "-o", "OLD"};
}

void TestCli::fullDisk() {
    QFETCH(QStringList, arguments);
    FullFileSystem disk;
    if (!disk.problem().isEmpty())
        QFAIL(qPrintable(disk.problem()));
    const QString old = disk.filePath("old.ign");
    QCOMPARE(runCli({"preset", "20", "-o", old}).status, 0);
    const QByteArray before = readText(old);
    QVERIFY(disk.fill());
    for (QString& argument : arguments)
        argument.replace("OLD", old);

    const CliRun run = runCli(arguments);
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err, "varko-cli: write error: " + old + ": No space left on device\n");
    QCOMPARE(readText(old), before);
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files), QStringList{"old.ign"});
}

// What a command prints is its result: output that does not arrive is a failure, never exit 0.
void TestCli::outputThatCannotBeWritten_data() {
    QTest::addColumn<QStringList>("arguments"); // IN and OTHER stand for good files
    QTest::addColumn<bool>("intoError");        // standard error is the full one, not output
    QTest::newRow("dump") << QStringList{"dump", "IN"} << false;
    QTest::newRow("diff") << QStringList{"diff", "IN", "OTHER"} << false;
    QTest::newRow("help") << QStringList{"--help"} << false;
    QTest::newRow("help of a command") << QStringList{"dump", "--help"} << false;
    QTest::newRow("version") << QStringList{"--version"} << false;
    QTest::newRow("warnings of a convert") << QStringList{"convert", "OLD", "-o", "OUT"} << true;
}

void TestCli::outputThatCannotBeWritten() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, intoError);
    QCOMPARE(runCli({"preset", "20", "-o", file("IN")}).status, 0);
    QCOMPARE(runCli({"preset", "21", "-o", file("OTHER")}).status, 0);
    writeTestFile(file("OLD"), "KALUBREN_KEY  48 \r\nLIMITER 120");
    for (QString& argument : arguments)
        if (QStringList{"IN", "OTHER", "OLD", "OUT"}.contains(argument))
            argument = dir->filePath(argument);

    CliOutputFiles full;
    (intoError ? full.err : full.out) = "/dev/full";
    const CliRun run = runCli(arguments, {}, full);
    QCOMPARE(run.status, 1);
    if (!intoError)
        QCOMPARE(run.err, "varko-cli: write error: No space left on device\n");
}

// The port does not exist: a command that opened it first would fail with the port's message.
void TestCli::readRefusesAnUnwritableFileFirst_data() {
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder missing") << "nowhere/read.ign"
                                    << "No such file or directory";
    QTest::newRow("a folder") << "folder"
                              << "Is a directory";
    QTest::newRow("folder is a file") << "file/read.ign"
                                      << "Not a directory";
}

void TestCli::readRefusesAnUnwritableFileFirst() {
    QFETCH(QString, output);
    QFETCH(QString, reason);
    QVERIFY(QDir(dir->path()).mkdir("folder"));
    writeTestFile(file("file"), "x");
    const QString path = dir->filePath(output);
    const CliRun read = runCli({"read", "--port", file("no-such-port"), "-o", path});
    QCOMPARE(read.err, "varko-cli: cannot write " + path + ": " + reason + "\n");
    QCOMPARE(read.status, 1);
    QCOMPARE(read.out, QString());
}

void TestCli::filesThatFail_data() {
    QTest::addColumn<QByteArray>("content"); // empty: no input file at all
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message"); // IN and OUT stand for the paths

    const QByteArray good = writeParamFile(expectedPreset(20));
    const QStringList dump{"dump", "IN"};
    const QStringList convert{"convert", "IN", "-o", "OUT"};
    const QString openFileError = englishMessage(Msg::openFileError);
    const QString unmatched = englishMessage(Msg::unmatchedFileVersion);
    const QString noFolder = "varko-cli: write error: nowhere/OUT: No such file or directory";
    QTest::newRow("dump: missing file") << QByteArray() << dump << openFileError;
    QTest::newRow("convert: missing file") << QByteArray() << convert << openFileError;
    QTest::newRow("dump: version 76")
        << QByteArray("KALUBREN_KEY  76 \r\nBASE_ADV 5") << dump << unmatched;
    QTest::newRow("convert: version 76")
        << QByteArray("KALUBREN_KEY  76 \r\nBASE_ADV 5") << convert << unmatched;
    QTest::newRow("dump: no key at all")
        << QByteArray("BIKE 20\r\nBASE_ADV 5") << dump << unmatched;
    QTest::newRow("convert: output folder missing")
        << good << QStringList{"convert", "IN", "-o", "nowhere/OUT"} << noFolder;
    QTest::newRow("preset: output folder missing")
        << good << QStringList{"preset", "20", "-o", "nowhere/OUT"} << noFolder;
}

void TestCli::filesThatFail() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    if (!content.isEmpty())
        writeTestFile(file("IN"), content);
    for (QString& argument : arguments)
        argument.replace("IN", file("IN")).replace("OUT", file("OUT"));
    message.replace("OUT", file("OUT"));

    const CliRun result = runCli(arguments);
    QCOMPARE(result.status, 1);
    QCOMPARE(result.err, message + "\n");
    QCOMPARE(result.out, QString());
    QVERIFY(!QFile::exists(file("OUT")));
}

void TestCli::diff_data() {
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("warns"); // that a file lacks keys

    const ParamImage preset = expectedPreset(20);
    ParamImage changed = preset;
    changed.limiter() = 111;
    changed.maxAdvLobe(2) = 3;
    changed.advance(3, 7) = 44;
    changed.advance(9, 9) = 0;
    const auto line = [&](int offset, const char* name) {
        return QString("%1\t%2\t%3\t%4\n")
            .arg(offset)
            .arg(name)
            .arg(preset[offset])
            .arg(changed[offset]);
    };
    ParamImage atCap = preset;
    atCap.tps0() = 250;
    ParamImage beyondCap = preset; // normalized to 250
    beyondCap.tps0() = 255;

    const QByteArray a = writeParamFile(preset);
    QTest::newRow("equal") << a << a << QString() << 0 << false;
    QTest::newRow("a field, a channel, map cells, in offset order")
        << a << writeParamFile(changed)
        << line(13, "limiter") + line(32, "maxAdvLobe[2]") + line(137, "advance[3][7]") +
               line(199, "advance[9][9]")
        << 1 << false;
    QTest::newRow("equal after normalization")
        << writeParamFile(beyondCap) << writeParamFile(atCap) << QString() << 0 << false;

    // A byte a file lacks shows as "-" and is never equal, not even to a byte the other file
    // lacks.
    QTest::newRow("A lacks the limiter")
        << withoutKeys(a, {"LIMITER"}) << a << QString("13\tlimiter\t-\t%1\n").arg(preset.limiter())
        << 1 << true;
    QTest::newRow("B lacks the number of the servo hysteresis")
        << a << QByteArray(a).replace("SERVO_HYSTER", "SERVO_HYSTER x")
        << QString("17\tservoHyster\t%1\t-\n").arg(preset.servoHyster()) << 1 << false;
    QString neither;
    for (int offset = 0; offset < kImageSize; ++offset) {
        if (fileBytes().test(offset))
            neither += QString("%1\t%2\t-\t-\n").arg(offset).arg(fieldName(offset));
    }
    QTest::newRow("both only the file key")
        << QByteArray("KALUBREN_KEY 75") << QByteArray("KALUBREN_KEY 75") << neither << 1 << true;
}

void TestCli::diff() {
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(QString, lines);
    QFETCH(int, status);
    QFETCH(bool, warns);
    writeTestFile(file("A"), a);
    writeTestFile(file("B"), b);
    const CliRun result = runCli({"diff", file("A"), file("B")});
    QCOMPARE(result.out, lines);
    if (warns)
        QVERIFY2(result.err.contains(" lacks the keys "), qPrintable(result.err));
    else
        QCOMPARE(result.err, QString());
    QCOMPARE(result.status, status);
}

void TestCli::diffOfAFileThatCannotBeRead_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("message");
    QTest::newRow("B missing") << QStringList{"A", "missing"} << int(Msg::openFileError);
    QTest::newRow("A of another version")
        << QStringList{"V76", "A"} << int(Msg::unmatchedFileVersion);
}

// Exit 2 as diff(1) has it for trouble, with the reason and no usage line.
void TestCli::diffOfAFileThatCannotBeRead() {
    QFETCH(QStringList, files);
    QFETCH(int, message);
    writeTestFile(file("A"), writeParamFile(expectedPreset(20)));
    writeTestFile(file("V76"), "KALUBREN_KEY  76 \r\nBASE_ADV 5");
    const CliRun result = runCli({"diff", file(qPrintable(files[0])), file(qPrintable(files[1]))});
    QCOMPARE(result.status, 2);
    QCOMPARE(result.err, englishMessage(message) + "\n");
    QCOMPARE(result.out, QString());
}

// Read under their own bytes whatever the locale; an output file is refused rather than written
// under another name.
void TestCli::fileNamesThatAreNotUtf8_data() {
    QTest::addColumn<QString>("locale");
    QTest::newRow("C") << "C";
    QTest::newRow("C.UTF-8") << "C.UTF-8";
}

void TestCli::fileNamesThatAreNotUtf8() {
    QFETCH(QString, locale);
    ByteNamedFolder folder;
    const QByteArray in = folder.pathOf(kLatin1Name);
    const QByteArray set = writeParamFile(expectedPreset(20));
    writeFileAt(in, set);

    const CliRun dump = runCliWithBytes({"dump", in}, locale);
    QCOMPARE(dump.err, QString());
    QCOMPARE(dump.status, 0);
    QCOMPARE(dumpedBytes(dump.out), bytesOf(expectedPreset(20)));
    QCOMPARE(runCliWithBytes({"diff", in, in}, locale).status, 0);

    const QByteArray out = folder.pathOf("new\xE9.ign");
    const CliRun convert = runCliWithBytes({"convert", in, "-o", out}, locale);
    QCOMPARE(convert.status, 1);
    // The message can show the name only as text, where the byte that is not UTF-8 is U+FFFD.
    QCOMPARE(convert.err, "varko-cli: write error: " + QString::fromUtf8(out) + ": " +
                              QString::fromLocal8Bit(std::strerror(EILSEQ)) + "\n");
    const CliRun preset = runCliWithBytes({"preset", "7", "-o", in}, locale);
    QCOMPARE(preset.status, 1);
    QCOMPARE(folderEntries(folder.path()), QByteArrayList{kLatin1Name});
    QCOMPARE(readFileAt(in), set);
}

void TestCli::usageMistakes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no command") << QStringList{} << "missing COMMAND";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << "unknown command 'frobnicate'";
    QTest::newRow("code 256") << QStringList{"preset", "256", "-o", "f"} << "0..255";
    QTest::newRow("code not a number") << QStringList{"preset", "R6", "-o", "f"} << "0..255";
    QTest::newRow("code with a sign") << QStringList{"preset", "+5", "-o", "f"} << "0..255";
    QTest::newRow("preset without -o") << QStringList{"preset", "20"} << "missing -o FILE";
    QTest::newRow("preset without code") << QStringList{"preset", "-o", "f"} << "missing CODE";
    QTest::newRow("dump without file") << QStringList{"dump"} << "missing FILE";
    QTest::newRow("dump with two files") << QStringList{"dump", "a", "b"} << "unexpected";
    QTest::newRow("unknown option") << QStringList{"dump", "--bogus", "a"} << "bogus";
    QTest::newRow("convert without -o") << QStringList{"convert", "a"} << "missing -o FILE";
    QTest::newRow("-o without a file") << QStringList{"convert", "a", "-o"} << "Missing value";
}

void TestCli::usageMistakes() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    const CliRun result = runCli(arguments, dir->path());
    QCOMPARE(result.status, 2);
    QVERIFY2(result.err.contains(reason), qPrintable(result.err));
    if (!arguments.isEmpty() && arguments[0] != "frobnicate")
        QVERIFY2(result.err.contains("usage: varko-cli " + arguments[0]), qPrintable(result.err));
    QVERIFY(QDir(dir->path()).isEmpty()); // nothing written
}

void TestCli::helpListsEveryCommand() {
    const CliRun help = runCli({"--help"});
    QCOMPARE(help.status, 0);
    for (const cli::Command& command : cli::allCommands()) {
        const QString usage = QString("varko-cli %1 %2").arg(command.name, command.arguments);
        QVERIFY2(help.out.contains(usage), qPrintable(usage));
        const CliRun own = runCli({command.name, "--help"});
        QCOMPARE(own.status, 0);
        QVERIFY(own.out.contains(usage));
    }
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"

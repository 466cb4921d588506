// Start-up and close of the main window: what the settings, last-state and test switch files
// bring in, what closing writes back, and the command line: language word and file to open.

#include "ByteNames.h"
#include "CodeNames.h"
#include "Controls.h"
#include "FullFileSystem.h"
#include "PresetImage.h"
#include "ProgramWindowParts.h"
#include "ScopedConfigDir.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedMessageBoxes.h"
#include "TestFiles.h"
#include "app/CommandLine.h"
#include "app/ProgramWindow.h"
#include "document/Document.h"
#include "model/FormMapping.h"
#include "storage/ConfigPaths.h"
#include "storage/FileIo.h"
#include "storage/FileNames.h"
#include "storage/LastStateFile.h"
#include "storage/ParamFile.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <QtTest>
#include <memory>
#include <optional>

using namespace varko;

namespace {

// One run of the program's window in the test's configuration folder.
struct Run {
    ScriptedMessageBoxes boxes;
    ScriptedFileDialogs dialogs;
    std::unique_ptr<QMainWindow> window;
    ProgramWindowParts parts;

    explicit Run(const QStringList& arguments = {})
        : window(startProgramWindow(arguments)), parts(*window) {}

    template <typename W = QWidget> W* find(const QString& name) const {
        return window->findChild<W*>(name);
    }
    bool checked(const QString& menuItem) const { return find<QAction>(menuItem)->isChecked(); }
    QString fileLabel() const { return find<QLabel>(Control::fileLabel)->text(); }
    int page() const { return find<QTabWidget>(Control::pages)->currentIndex(); }
    // The file name the open dialog starts with.
    QString openDialogFile() {
        find<QAction>(Control::openItem)->trigger();
        return dialogs.shown.last().fileName;
    }
    // The New question shows in the window's language.
    QString newQuestion() {
        find<QAction>(Control::newItem)->trigger();
        return boxes.asked.last();
    }
};

void writeSettings(const ScopedConfigDir& config, const QByteArray& keys) {
    config.varkoDir();
    writeTestFile(settingsFilePath(), "[FORM_HLAV]\r\n" + keys);
}

} // namespace

class TestWindowLifecycle : public QObject {
    Q_OBJECT
private slots:
    void firstStartWithoutFiles() {
        ScopedConfigDir config;
        Run run;
        const QRect screen = run.window->screen()->geometry();
        QCOMPARE(run.window->pos(), QPoint((screen.width() - run.window->width()) / 2,
                                           (screen.height() - run.window->height()) / 2));
        QCOMPARE(run.page(), Page::bike);
        QVERIFY(run.checked(Control::englishItem));
        QVERIFY(run.checked(Control::portItem(1)));
        QCOMPARE(run.fileLabel(), QString());
        QCOMPARE(run.openDialogFile(), QString());
        QVERIFY(run.find(Control::testModeLabel(1))->isHidden());
        QCOMPARE(run.parts.document().image().bike(), startUpImage().bike());
        QCOMPARE(run.parts.document().image().limiter(), startUpImage().limiter());
        QVERIFY(!run.find<QAction>(Control::undoItem)->isEnabled());
    }

    // File > Exit closes the window as its frame does, and so writes the same files.
    void closeAndStartAgain_data() {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("closed from its frame") << false;
        QTest::newRow("File > Exit") << true;
    }
    void closeAndStartAgain() {
        QFETCH(bool, byExit);
        ScopedConfigDir config;
        const QString file = config.path() + "/bike.ign";
        ParamImage closed;
        {
            Run run;
            run.find<QAction>(Control::portItem(5))->trigger();
            run.find<QLineEdit>(Control::limiterEdit)->setText("9000");
            run.dialogs.paths = {file};
            run.find<QAction>(Control::saveItem)->trigger();
            // Typed but never left: closing takes what the controls show.
            run.find<QLineEdit>(Control::baseAdvanceEdit)->setText("17");
            run.find<QTabWidget>(Control::pages)->setCurrentIndex(Page::advanceMap);
            run.window->move(40, 30);
            run.window->resize(1000, 800);
            if (byExit)
                run.find<QAction>(Control::exitItem)->trigger();
            else
                run.window->close();
            closed = run.parts.document().image();
        }
        QCOMPARE(int(closed.baseAdv()), 17);
        const QByteArray settings = readTestFile(settingsFilePath());
        for (const char* line : {"ComPort=5", "Language=0", "PageControl1->ActivePageIndex=2",
                                 "Left=40", "Top=30", "Width=1000", "Height=800"})
            QVERIFY2(settings.contains(QByteArray(line) + "\r\n"), line);
        QVERIFY(settings.contains("File=" + file.toUtf8()));
        QVERIFY(settings.contains("IniDir=" + file.toUtf8()));
        QCOMPARE(readTestFile(lastStateFilePath()), writeLastState(LastState{closed, {}}));

        Run again;
        QCOMPARE(again.parts.document().image(), closed);
        QCOMPARE(again.page(), Page::advanceMap);
        QVERIFY(again.checked(Control::portItem(5)));
        QCOMPARE(again.fileLabel(), file);
        QCOMPARE(again.window->pos(), QPoint(40, 30));
        QCOMPARE(again.window->size(), QSize(1000, 800));
        QCOMPARE(again.openDialogFile(), file);
        again.find<QAction>(Control::saveItem)->trigger();
        QCOMPARE(again.dialogs.shown.last().fileName, file);
    }

    void settingsBroughtIn_data() {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<QString>("languageItem");
        QTest::addColumn<QString>("portItem");
        QTest::addColumn<int>("page");
        QTest::addColumn<QByteArray>("writtenBack");
        QTest::newRow("French, automatic port")
            << QByteArray("Language=2\r\nComPort=21\r\n") << Control::frenchItem
            << Control::portItem(21) << Page::bike << QByteArray("ComPort=21");
        QTest::newRow("values out of range")
            << QByteArray("Language=7\r\nComPort=40\r\nPageControl1->ActivePageIndex=9\r\n")
            << Control::englishItem << Control::portItem(1) << Page::bike
            << QByteArray("ComPort=1");
        QTest::newRow("not numbers")
            << QByteArray("Language=two\r\nComPort=\r\nPageControl1->ActivePageIndex=x\r\n")
            << Control::englishItem << Control::portItem(1) << Page::bike
            << QByteArray("Language=0");
        QTest::newRow("the low 8 bits count")
            << QByteArray("Language=259\r\nPageControl1->ActivePageIndex=3\r\n")
            << Control::czechItem << Control::portItem(1) << Page::servo
            << QByteArray("Language=3");
    }
    void settingsBroughtIn() {
        QFETCH(QByteArray, keys);
        QFETCH(QString, languageItem);
        QFETCH(QString, portItem);
        QFETCH(int, page);
        QFETCH(QByteArray, writtenBack);
        ScopedConfigDir config;
        writeSettings(config, keys);
        Run run;
        QVERIFY(run.checked(qPrintable(languageItem)));
        QVERIFY(run.checked(qPrintable(portItem)));
        QCOMPARE(run.page(), page);
        run.window->close();
        QVERIFY(readTestFile(settingsFilePath()).contains(writtenBack + "\r\n"));
    }

    // A file that has other keys but not these: no file name (not the label's designed dashes)
    // and the first port (not the port the start-up sets before reading).
    void missingFileAndPortKeys() {
        ScopedConfigDir config;
        writeSettings(config, "Left=10\r\nLanguage=1\r\n");
        Run run;
        QCOMPARE(run.fileLabel(), QString());
        QVERIFY(run.checked(Control::portItem(1)));
        QVERIFY(run.checked(Control::germanItem));
        run.window->close();
        const QByteArray written = readTestFile(settingsFilePath());
        QVERIFY(written.contains("\r\nComPort=1\r\n"));
        QVERIFY(written.contains("\r\nFile=\r\n"));
    }

    void languageReachesTheMessages() {
        ScopedConfigDir config;
        writeSettings(config, "Language=2\r\n");
        Run run;
        QCOMPARE(run.newQuestion(), "Voulez vous la programation de base?");
    }

    void windowSizeBeyondTheDesktop() {
        ScopedConfigDir config;
        writeSettings(config, "Width=2000000000\r\nHeight=2000000000\r\n");
        Run run;
        const QSize desktop = run.window->screen()->virtualSize() * 2;
        QVERIFY(run.window->width() <= qMax(desktop.width(), 954));
        QVERIFY(run.window->height() <= qMax(desktop.height(), 800));
    }

    void placementOffEveryScreen_data() {
        QTest::addColumn<QPoint>("stored");
        QTest::addColumn<bool>("centred");
        QTest::newRow("far above") << QPoint(40, -32767) << true;
        QTest::newRow("far right") << QPoint(100000, 30) << true;
        QTest::newRow("far left") << QPoint(-5000, 30) << true;
        QTest::newRow("far below") << QPoint(40, 5000) << true;
        QTest::newRow("a little over the corner") << QPoint(-8, -8) << false;
        QTest::newRow("inside") << QPoint(40, 30) << false;
    }
    void placementOffEveryScreen() {
        QFETCH(QPoint, stored);
        QFETCH(bool, centred);
        ScopedConfigDir config;
        writeSettings(config, QStringLiteral("Left=%1\r\nTop=%2\r\nWidth=700\r\nHeight=500\r\n")
                                  .arg(stored.x())
                                  .arg(stored.y())
                                  .toLatin1());
        Run run;
        const QRect screen = run.window->screen()->geometry();
        const QPoint centre((screen.width() - 700) / 2, (screen.height() - 500) / 2);
        QCOMPARE(run.window->pos(), centred ? centre : stored);
        QCOMPARE(run.window->size(), QSize(700, 500));
    }

    // Left as it was, the file would keep every later close from writing the settings.
    void unreadableSettingsFileIsMovedAside() {
        ScopedConfigDir config;
        const QString path = settingsFilePath();
        {
            QFile file(config.varkoDir() + "/VARKO_v75ini");
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(kMaxFileSize + 1));
        }
        {
            Run run;
            QTRY_COMPARE(run.boxes.warnings.size(), 1); // once the window is up
            QVERIFY2(run.boxes.warnings[0].contains(path + " could not be read") &&
                         run.boxes.warnings[0].contains(path + ".bad"),
                     qPrintable(run.boxes.warnings[0]));
            run.find<QAction>(Control::portItem(5))->trigger();
            run.window->close();
            QCOMPARE(run.boxes.warnings.size(), 1);
        }
        QCOMPARE(QFileInfo(path + ".bad").size(), kMaxFileSize + 1);
        QVERIFY(readTestFile(path).contains("ComPort=5\r\n"));
        Run again;
        QVERIFY(again.checked(Control::portItem(5)));
        QTest::qWait(50);
        QVERIFY(again.boxes.warnings.isEmpty());
    }

    void filesThatCannotBeWrittenAtClose_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("folder is a file") << "folder is a file";
        QTest::newRow("full disk") << "full disk";
    }
    void filesThatCannotBeWrittenAtClose() {
        QFETCH(QString, obstacle);
        ScopedConfigDir config;
        std::optional<FullFileSystem> disk;
        if (obstacle == "full disk") {
            disk.emplace();
            if (!disk->problem().isEmpty())
                QFAIL(qPrintable(disk->problem()));
            qputenv("XDG_CONFIG_HOME", disk->path().toUtf8()); // config puts back its own
            Run().window->close(); // the files as a first run leaves them
            QVERIFY(disk->fill());
        } else {
            writeTestFile(config.path() + "/varko", "a file where the folder should be");
        }
        const QByteArray settings = readTestFile(settingsFilePath());
        const QByteArray lastState = readTestFile(lastStateFilePath());
        {
            Run run;
            run.find<QAction>(Control::portItem(5))->trigger();
            run.find<QLineEdit>(Control::limiterEdit)->setText("9000");
            run.window->close();
            QCOMPARE(run.boxes.warnings.size(), 1);
            QVERIFY2(
                run.boxes.warnings[0].contains(settingsFilePath() + '\n' + lastStateFilePath()),
                qPrintable(run.boxes.warnings[0]));
        }
        QCOMPARE(readTestFile(settingsFilePath()), settings);
        QCOMPARE(readTestFile(lastStateFilePath()), lastState);
    }

    // The seven numbers behind the image are nobody's: they go back as they came.
    void reservedBytesKept() {
        ScopedConfigDir config;
        config.varkoDir();
        LastState state{startUpImage(), {1, 2, 3, 250, 5, 6, 7}};
        state.image.limiter() = 95;
        writeTestFile(lastStateFilePath(), writeLastState(state));
        {
            Run run;
            QCOMPARE(int(run.parts.document().image().limiter()), 95);
            run.window->close();
        }
        LastState written;
        QCOMPARE(readLastState(readTestFile(lastStateFilePath()), written), kLastStateCount);
        QCOMPARE(written.reserved, state.reserved);
    }

    void shortLastStateFile() {
        ScopedConfigDir config;
        config.varkoDir();
        QByteArray numbers;
        for (int k = 0; k < 50; ++k)
            numbers += k == Field::channelCount ? "9 " : k == Field::limiter ? "80 " : "0 ";
        writeTestFile(lastStateFilePath(), numbers);
        Run run;
        const ParamImage& image = run.parts.document().image();
        QCOMPARE(int(image.limiter()), 80);
        QCOMPARE(int(image.channelCount()), 4);              // normalized at start-up
        QCOMPARE(image.bytes[90], startUpImage().bytes[90]); // beyond the 50 numbers
        QCOMPARE(image.advance(9, 9), startUpImage().advance(9, 9));
    }

    void testSwitch_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("testMode");
        QTest::newRow("among other words") << QByteArray("one PROBE_ALLOW two") << true;
        QTest::newRow("lower case") << QByteArray("probe_allow") << false;
    }
    void testSwitch() {
        QFETCH(QByteArray, content);
        QFETCH(bool, testMode);
        ScopedConfigDir config;
        config.varkoDir();
        writeTestFile(testSwitchFilePath(), content);
        Run run;
        for (int t = 1; t <= 8; ++t)
            QCOMPARE(!run.find(Control::testModeLabel(t))->isHidden(), testMode);
    }

    // "FILE" stands for a file that exists.
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("language"); // -1: left as stored
        QTest::addColumn<bool>("opensFile");
        QTest::addColumn<QStringList>("ignored");
        const QStringList none;
        QTest::newRow("none") << QStringList{"varko"} << -1 << false << none;
        QTest::newRow("ENGLISH") << QStringList{"varko", "ENGLISH"} << 0 << false << none;
        QTest::newRow("DEUTSCH") << QStringList{"varko", "DEUTSCH"} << 1 << false << none;
        QTest::newRow("FRANCE") << QStringList{"varko", "FRANCE"} << 2 << false << none;
        QTest::newRow("CESKY") << QStringList{"varko", "CESKY"} << 3 << false << none;
        QTest::newRow("lower case")
            << QStringList{"varko", "deutsch"} << -1 << false << QStringList{"deutsch"};
        QTest::newRow("language word later")
            << QStringList{"varko", "FILE", "CESKY"} << -1 << true << QStringList{"CESKY"};
        QTest::newRow("language and file")
            << QStringList{"varko", "FRANCE", "FILE"} << 2 << true << none;
        QTest::newRow("file alone") << QStringList{"varko", "FILE"} << -1 << true << none;
        QTest::newRow("missing file") << QStringList{"varko", "/nowhere/bike.ign"} << -1 << false
                                      << QStringList{"/nowhere/bike.ign"};
        QTest::newRow("a folder") << QStringList{"varko", "/"} << -1 << false << QStringList{"/"};
        QTest::newRow("second file")
            << QStringList{"varko", "FILE", "FILE"} << -1 << true << QStringList{"FILE"};
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, language);
        QFETCH(bool, opensFile);
        QFETCH(QStringList, ignored);
        QTemporaryDir dir;
        const QString file = dir.filePath("bike.ign");
        writeTestFile(file, "KALUBREN_KEY 75\r\n");
        arguments.replaceInStrings("FILE", file);
        ignored.replaceInStrings("FILE", file);
        const WindowArguments parsed = parseWindowArguments(arguments);
        QCOMPARE(parsed.language.has_value() ? int(*parsed.language) : -1, language);
        QCOMPARE(parsed.file, opensFile ? file : QString());
        QCOMPARE(parsed.ignored, ignored);
    }

    // As the desktop starts it for a double-clicked file: opened as Open opens it, after the
    // start-up, and one step of undo takes the window back to what it started with.
    void commandLineFileIsOpened() {
        ScopedConfigDir config;
        QTemporaryDir dir;
        const QString path = dir.filePath("bike.ign");
        ParamImage saved = presetImage(BikeCode::yamahaR6);
        saved.limiter() = 95;
        QVERIFY(saveParamFile(path, saved));
        Run run({"varko", "DEUTSCH", path});
        QCOMPARE(run.parts.document().language(), varko::Language::German);
        QCOMPARE(int(run.parts.document().image().limiter()), 95);
        QCOMPARE(run.fileLabel(), path);
        QCOMPARE(run.boxes.shown, QStringList());
        QCOMPARE(run.openDialogFile(), path);
        run.find<QAction>(Control::undoItem)->trigger();
        QVERIFY(run.parts.document().image().limiter() != 95);
        QVERIFY(!run.find<QAction>(Control::undoItem)->isEnabled());
    }

    // A name that is not UTF-8 (as the program gets it from the system, commandLineArguments)
    // opens its own file, goes into the settings as it was and is found there at the next start;
    // Save refuses it rather than write another name.
    void commandLineFileNamedInLatin1() {
        ScopedConfigDir config;
        ByteNamedFolder folder;
        const QByteArray path = folder.pathOf(kLatin1Name);
        ParamImage saved = presetImage(BikeCode::yamahaR6);
        saved.limiter() = 95;
        takeAsWindowOpens(saved, false); // so that saving would not change it
        writeFileAt(path, writeParamFile(saved));
        {
            Run run({"varko", decodeFileName(path)});
            QCOMPARE(run.boxes.shown, QStringList());
            QCOMPARE(int(run.parts.document().image().limiter()), 95);
            QCOMPARE(encodeFileName(run.fileLabel()), path);
            QCOMPARE(run.find<QLabel>(Control::savedField)->text(), "Saved");

            run.dialogs.paths = {decodeFileName(path)};
            run.find<QAction>(Control::saveItem)->trigger();
            QCOMPARE(run.boxes.shown, QStringList{"Open file error!"});
            QCOMPARE(folderEntries(folder.path()), QByteArrayList{kLatin1Name});
            run.window->close();
        }
        const QByteArray settings = readTestFile(settingsFilePath());
        QVERIFY2(settings.contains("\r\nFile=" + path + "\r\nIniDir=" + path + "\r\n"),
                 settings.constData());
        Run again;
        QCOMPARE(encodeFileName(again.fileLabel()), path);
        QCOMPARE(again.find<QLabel>(Control::savedField)->text(), "Saved"); // read at start
    }

    // Unlike Open, the command line names a file without any key: the user named the file and
    // would otherwise see the window come up without it and without a word.
    void commandLineFileWithoutAnyKeyIsNamed() {
        ScopedConfigDir config;
        QTemporaryDir dir;
        const QString path = dir.filePath("notes.ign");
        writeTestFile(path, "BIKE 20\r\nLIMITER 50\r\n");
        Run run({"varko", path});
        QCOMPARE(run.boxes.warnings,
                 QStringList{path + "\nis not a parameter file: it holds no KALUBREN_KEY."});
        QCOMPARE(run.fileLabel(), QString());
        QVERIFY(!run.find<QAction>(Control::undoItem)->isEnabled());
    }

    void otherArgumentsAreReported() {
        ScopedConfigDir config;
        Run run({"varko", "CESKY", "/nowhere/bike.ign", "--frobnicate"});
        QCOMPARE(run.parts.document().language(), varko::Language::Czech);
        QCOMPARE(run.boxes.warnings,
                 QStringList{ignoredArgumentsText({"/nowhere/bike.ign", "--frobnicate"},
                                                  varko::Language::Czech)});
        QVERIFY(run.boxes.warnings.first().contains("/nowhere/bike.ign\n--frobnicate"));
        QCOMPARE(run.fileLabel(), QString());
    }

    void helpAndVersionAreAnsweredBeforeTheWindow_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("begins");
        QTest::newRow("--help") << QStringList{"varko", "--help"} << "Usage: varko [LANGUAGE]";
        QTest::newRow("-h") << QStringList{"varko", "DEUTSCH", "-h"} << "Usage: varko [LANGUAGE]";
        QTest::newRow("--version") << QStringList{"varko", "--version"} << "varko 0.";
        QTest::newRow("start") << QStringList{"varko", "DEUTSCH"} << QString();
    }
    void helpAndVersionAreAnsweredBeforeTheWindow() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, begins);
        const std::optional<QString> text = informationRequest(arguments);
        QCOMPARE(text.has_value(), !begins.isEmpty());
        if (text)
            QVERIFY2(text->startsWith(begins), qPrintable(*text));
    }
};

QTEST_MAIN(TestWindowLifecycle)
#include "tst_window_lifecycle.moc"

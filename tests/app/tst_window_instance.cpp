// One window per user and settings folder: a later start hands its command line to the window
// that runs and ends; a crashed window, a window that does not answer and a window that is
// closing neither stop a later start nor make it wait for long, and two windows never share a
// settings folder. The later starts are real varko processes.

#include "ByteNames.h"
#include "CodeNames.h"
#include "PresetImage.h"
#include "ProgramWindowParts.h"
#include "ScopedConfigDir.h"
#include "ScriptedMessageBoxes.h"
#include "SilentLine.h"
#include "TestFiles.h"
#include "WindowProcess.h"
#include "app/CommandLine.h"
#include "app/ProgramWindow.h"
#include "app/WindowInstance.h"
#include "document/Document.h"
#include "storage/ConfigPaths.h"
#include "storage/FileNames.h"
#include "storage/LastStateFile.h"
#include "storage/ParamFile.h"

#include <QDialog>
#include <QLocalServer>
#include <QThread>
#include <QtTest>
#include <memory>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace varko;

namespace {

using Start = WindowInstance::Start;

HandedOverStart plainStart() {
    return {{WindowProcess::executable()}, QDir::currentPath()};
}

// The set of the file the tests hand over: the start-up model with a limiter of its own.
ParamImage handedOverImage() {
    ParamImage image = startUpImage();
    image.limiter() = 95;
    return image;
}

// A window in this process, started as the program starts it, with its own settings and
// runtime folders; the later starts are other processes.
struct RunningWindow {
    ScopedConfigDir config;
    ScopedRuntimeDir runtime;
    SilentLine line{config.varkoDir() + "/ports"};
    ScriptedMessageBoxes boxes;
    WindowInstance instance{windowInstancePath()};
    std::unique_ptr<QMainWindow> window;
    std::optional<ProgramWindowParts> parts;

    RunningWindow() {
        if (instance.start(plainStart(), QDeadlineTimer(5000)) != Start::First)
            qFatal("a window already runs for a fresh settings folder");
        window = startProgramWindow({WindowProcess::executable()}, {&instance, nullptr});
        parts.emplace(*window);
    }
    const Document& document() const { return parts->document(); }
};

// A socket file at path that nobody listens on, as a window that crashed leaves it.
void leaveStaleSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::copy(name.begin(), name.end(), address.sun_path);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        qFatal("cannot bind %s", name.constData());
    ::close(fd);
}

// Runs work on a thread of its own, as another process would, while this thread's event loop
// runs meanwhile (as the running window's does) along with whileWaiting.
template <typename Result>
Result onOtherThread(std::function<Result()> work, std::function<void()> whileWaiting = {}) {
    std::optional<Result> result;
    std::unique_ptr<QThread> thread(QThread::create([&] { result = work(); }));
    thread->start();
    if (whileWaiting)
        whileWaiting();
    while (!thread->wait(QDeadlineTimer(10)))
        QCoreApplication::processEvents();
    return *result;
}

} // namespace

class TestWindowInstance : public QObject {
    Q_OBJECT
private slots:
    // The name stands for the settings folder, however the folder is spelled and whether or
    // not it exists yet.
    void instancePathNamesTheSettingsFolder_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("same");
        QTest::newRow("the same folder") << "a/varko"
                                         << "a/varko" << true;
        QTest::newRow("with a trailing slash") << "a/varko"
                                               << "a/varko/" << true;
        QTest::newRow("through ..") << "a/varko"
                                    << "a/b/../varko" << true;
        QTest::newRow("through a symbolic link") << "a/varko"
                                                 << "link/varko" << true;
        QTest::newRow("not made yet, through a link") << "a/new"
                                                      << "link/new" << true;
        QTest::newRow("another folder") << "a/varko"
                                        << "b/varko" << false;
        QTest::newRow("a folder inside") << "a/varko"
                                         << "a/varko/varko" << false;
    }
    void instancePathNamesTheSettingsFolder() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, same);
        QTemporaryDir dir;
        for (const char* folder : {"a/varko", "a/b", "b/varko"})
            QVERIFY(QDir(dir.path()).mkpath(folder));
        QVERIFY(QFile::link(dir.filePath("a"), dir.filePath("link")));
        const QString runtime = dir.filePath("run");
        const QString one = windowInstancePath(runtime, dir.filePath(first));
        const QString other = windowInstancePath(runtime, dir.filePath(second));
        QVERIFY(one.startsWith(runtime + "/varko-"));
        QCOMPARE(one == other, same);
        QCOMPARE(windowInstancePath({}, dir.filePath(first)), QString());
    }

    // As the desktop starts the program for a double-clicked file while the window runs: the
    // file is opened in the window as Open opens it, the window comes to the front, and the
    // later start ends at once.
    void laterStartHandsItsCommandLineOver_data() {
        QTest::addColumn<QStringList>("arguments"); // FILE: the file; bike.ign: the same, relative
        QTest::addColumn<bool>("opensFile");
        QTest::addColumn<int>("language"); // -1: as it was
        QTest::addColumn<QStringList>("ignored");
        const QStringList none;
        QTest::newRow("a file") << QStringList{"FILE"} << true << -1 << none;
        QTest::newRow("a file named from the later start's folder")
            << QStringList{"bike.ign"} << true << -1 << none;
        QTest::newRow("a language word and a file")
            << QStringList{"CESKY", "FILE"} << true << 3 << none;
        QTest::newRow("nothing") << QStringList{} << false << -1 << none;
        QTest::newRow("an unknown word")
            << QStringList{"--frobnicate"} << false << -1 << QStringList{"--frobnicate"};
    }
    void laterStartHandsItsCommandLineOver() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, opensFile);
        QFETCH(int, language);
        QFETCH(QStringList, ignored);
        RunningWindow running;
        QTemporaryDir dir;
        const QString file = dir.filePath("bike.ign");
        QVERIFY(saveParamFile(file, handedOverImage()));
        running.window->showMinimized();

        WindowProcess later(arguments.replaceInStrings("FILE", file), dir.path());
        QTRY_VERIFY_WITH_TIMEOUT(!later.running(), 15000);
        QVERIFY(later.endsWell());
        QTRY_VERIFY(!running.window->isMinimized());
        QTRY_COMPARE(running.document().file(), opensFile ? file : QString());
        QCOMPARE(running.document().image().limiter() == 95, opensFile);
        QCOMPARE(int(running.document().language()), language < 0 ? 0 : language);
        QCOMPARE(running.boxes.warnings,
                 ignored.isEmpty() ? QStringList()
                                   : QStringList{ignoredArgumentsText(ignored, Language::English)});
    }

    // A later start's folder and file whose names are not UTF-8 reach the window byte for byte.
    void handedOverNameKeepsItsBytes() {
        RunningWindow running;
        ByteNamedFolder dir;
        const QByteArray file = dir.pathOf(kLatin1Name);
        writeFileAt(file, writeParamFile(handedOverImage()));
        const QByteArray laterFolder = dir.pathOf("d\xE9j\xE0");
        QVERIFY(::mkdir(laterFolder.constData(), 0700) == 0);
        const HandedOverStart later{
            {WindowProcess::executable(), decodeFileName("../" + kLatin1Name)},
            decodeFileName(laterFolder)};
        QCOMPARE(onOtherThread<WindowInstance::Delivery>([&] {
                     return WindowInstance::handOver(windowInstancePath(), later,
                                                     QDeadlineTimer(5000));
                 }),
                 WindowInstance::Delivery::Taken);
        QTRY_COMPARE(encodeFileName(running.document().file()), file);
        QCOMPARE(int(running.document().image().limiter()), 95);
    }

    // A question on the screen is answered first; the file opens after it.
    void handedOverFileWaitsForAnOpenBox() {
        RunningWindow running;
        QTemporaryDir dir;
        const QString file = dir.filePath("bike.ign");
        QVERIFY(saveParamFile(file, handedOverImage()));
        QDialog box(running.window.get());
        box.setModal(true);
        box.show();
        WindowProcess later({file});
        QTRY_VERIFY_WITH_TIMEOUT(!later.running(), 15000);
        QVERIFY(later.endsWell());
        QTest::qWait(500);
        QCOMPARE(running.document().file(), QString());
        box.close();
        QTRY_COMPARE(running.document().file(), file);
    }

    // Two real windows: the later start ends within a few seconds, and the running window,
    // closed by a signal, keeps the file in its settings and last state.
    void laterStartEndsAndTheWindowHoldsTheFile() {
        ScopedConfigDir config;
        ScopedRuntimeDir runtime;
        SilentLine line{config.varkoDir() + "/ports"};
        QTemporaryDir dir;
        const QString file = dir.filePath("bike.ign");
        QVERIFY(saveParamFile(file, handedOverImage()));
        WindowProcess window({});
        QVERIFY(window.waitUntilAnswering());

        WindowProcess later({file});
        QVERIFY(later.endsWell(10000));
        QVERIFY2(later.elapsedMs() < 5000, qPrintable(QString::number(later.elapsedMs())));
        window.sendSignal(SIGTERM);
        QVERIFY(window.endsWell());
        QVERIFY(readTestFile(settingsFilePath()).contains("\r\nFile=" + file.toUtf8() + "\r\n"));
        LastState state;
        QVERIFY(loadLastStateFile(lastStateFilePath(), state));
        QCOMPARE(int(state.image.limiter()), 95);
    }

    // A window that crashed leaves its socket behind, but not its lock: the next start is the
    // window, and a start after that finds it.
    void crashedWindowLeavesNoObstacle_data() {
        QTest::addColumn<bool>("runtimeFolder");
        QTest::newRow("in XDG_RUNTIME_DIR") << true;
        QTest::newRow("without XDG_RUNTIME_DIR") << false;
    }
    void crashedWindowLeavesNoObstacle() {
        QFETCH(bool, runtimeFolder);
        ScopedConfigDir config;
        ScopedRuntimeDir runtime(runtimeFolder ? ScopedRuntimeDir::Kind::Own
                                               : ScopedRuntimeDir::Kind::Unset);
        SilentLine line{config.varkoDir() + "/ports"};
        QTemporaryDir dir;
        const QString file = dir.filePath("bike.ign");
        QVERIFY(saveParamFile(file, handedOverImage()));
        {
            WindowProcess crashed({});
            QVERIFY(crashed.waitUntilAnswering());
            crashed.sendSignal(SIGKILL);
        }
        QVERIFY(QFileInfo(windowInstancePath() + ".socket").exists());

        WindowProcess window({file});
        QVERIFY(window.waitUntilAnswering());
        WindowProcess later({});
        QVERIFY(later.endsWell(10000));
        QVERIFY(window.running());
        window.sendSignal(SIGTERM);
        QVERIFY(window.endsWell());
        QVERIFY(readTestFile(settingsFilePath()).contains("\r\nFile=" + file.toUtf8() + "\r\n"));
    }

    // A window that holds the lock but does not answer (busy, stopped, or not listening yet)
    // makes a later start give up by its deadline, without becoming a second window.
    void unansweringWindowDoesNotHoldUpALaterStart_data() {
        QTest::addColumn<bool>("listening");
        QTest::newRow("its event loop does not run") << true;
        QTest::newRow("it does not listen") << false;
    }
    void unansweringWindowDoesNotHoldUpALaterStart() {
        QFETCH(bool, listening);
        QTemporaryDir dir;
        const QString path = windowInstancePath(dir.path(), dir.filePath("varko"));
        WindowInstance running(path);
        QCOMPARE(running.start(plainStart(), QDeadlineTimer(1000)), Start::First);
        if (!listening)
            running.stopListening();
        // This thread is the running window's, and blocked while the later start waits.
        WindowInstance later(path);
        QElapsedTimer took;
        took.start();
        QCOMPARE(later.start(plainStart(), QDeadlineTimer(700)), Start::NoAnswer);
        QVERIFY2(took.elapsed() < 3000, qPrintable(QString::number(took.elapsed())));
    }

    // A window that closes lets go of the lock once it has written its files; a start that
    // came meanwhile waits for that and becomes the window.
    void closingWindowIsWaitedFor() {
        QTemporaryDir dir;
        const QString path = windowInstancePath(dir.path(), dir.filePath("varko"));
        auto closing = std::make_unique<WindowInstance>(path);
        QCOMPARE(closing->start(plainStart(), QDeadlineTimer(1000)), Start::First);
        // Made on the thread that starts it, as the server it listens with is.
        const auto startLater = [&] {
            WindowInstance later(path);
            return later.start(plainStart(), QDeadlineTimer(10000));
        };
        const Start start = onOtherThread<Start>(startLater, [&] {
            closing->stopListening();
            QTest::qWait(300); // writing its files
            closing.reset();
        });
        QCOMPARE(start, Start::First);
    }

    // The socket a crashed window left is replaced; one start's command line reaches the new
    // window, also those that came before the window took them.
    void staleSocketIsReplaced() {
        QTemporaryDir dir;
        const QString path = windowInstancePath(dir.path(), dir.filePath("varko"));
        leaveStaleSocket(path + ".socket");
        WindowInstance window(path);
        QCOMPARE(window.start(plainStart(), QDeadlineTimer(1000)), Start::First);
        const HandedOverStart handed{{"varko", "bike.ign"}, "/somewhere"};
        const auto delivery = onOtherThread<WindowInstance::Delivery>(
            [&] { return WindowInstance::handOver(path, handed, QDeadlineTimer(5000)); });
        QCOMPARE(delivery, WindowInstance::Delivery::Taken);
        QList<HandedOverStart> taken;
        window.takeHandedOver(this, [&taken](const HandedOverStart& s) { taken << s; });
        QTRY_COMPARE(taken, QList<HandedOverStart>{handed});
    }

    void eachSettingsFolderHasItsWindow() {
        QTemporaryDir dir;
        WindowInstance one(windowInstancePath(dir.path(), dir.filePath("one")));
        WindowInstance other(windowInstancePath(dir.path(), dir.filePath("other")));
        QCOMPARE(one.start(plainStart(), QDeadlineTimer(1000)), Start::First);
        QCOMPARE(other.start(plainStart(), QDeadlineTimer(1000)), Start::First);
    }
};

QTEST_MAIN(TestWindowInstance)
#include "tst_window_instance.moc"

// One window per user and settings folder: a crashed window, a window that does not answer and a
// window that is closing neither stop a later start nor make it wait for long, and two windows
// never share a settings folder.

#include "app/WindowInstance.h"
#include "storage/ConfigPaths.h"

#include <QThread>
#include <QtTest>
#include <memory>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace varko;

namespace {

using Start = WindowInstance::Start;

HandedOverStart plainStart() {
    return {{"varko"}, QDir::currentPath()};
}

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

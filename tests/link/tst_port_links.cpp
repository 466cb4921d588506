// What a port path leads to before a frame is written: a link whose creator has gone is a
// missing port (and goes), a device that is not a terminal or a folder is refused, and the
// messages name the device behind a link and advise the dialout group only where it helps.

#include "ScopedConfigDir.h"
#include "link/PortLinkLock.h"
#include "link/PosixSerialPort.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <unistd.h>

using namespace varko;

Q_DECLARE_METATYPE(varko::PortError)

namespace {

enum class LockState { None, Free, Held };

// A file standing in for a device.
QString makeFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("x");
    return path;
}

bool setGroup(const QString& path, const QString& group) {
    const ::group* entry = getgrnam(group.toLocal8Bit().constData());
    return entry && chown(path.toLocal8Bit().constData(), uid_t(-1), entry->gr_gid) == 0;
}

} // namespace

Q_DECLARE_METATYPE(LockState)

class TestPortLinks : public QObject {
    Q_OBJECT
private slots:
    void init() { config_ = std::make_unique<ScopedConfigDir>(); }
    void cleanup() { config_.reset(); }

    void linkWithItsCreator_data() {
        QTest::addColumn<LockState>("lock");
        QTest::addColumn<bool>("orphaned");
        QTest::newRow("creator alive") << LockState::Held << false;
        QTest::newRow("creator gone") << LockState::Free << true;
        QTest::newRow("made by hand, no lock") << LockState::None << false;
    }
    void linkWithItsCreator() {
        QFETCH(LockState, lock);
        QFETCH(bool, orphaned);
        const QString link = config_->path() + "/COM4";
        QVERIFY(QFile::link("/dev/null", link));
        const QString lockPath = livenessLockPath(link);
        int holder = -1;
        if (lock != LockState::None) {
            makeFile(lockPath);
            if (lock == LockState::Held) {
                holder = ::open(lockPath.toLocal8Bit().constData(), O_RDONLY);
                QCOMPARE(flock(holder, LOCK_EX | LOCK_NB), 0);
            }
        }
        PosixSerialPort port;
        QCOMPARE(port.open(link), orphaned ? PortError::NotFound : PortError::NotSerial);
        QCOMPARE(QFileInfo(link).isSymLink(), !orphaned);
        QCOMPARE(QFile::exists(lockPath), lock != LockState::None && !orphaned);
        if (holder >= 0)
            ::close(holder);
    }

    // A new creator takes over a lock its dead predecessor left, and keeps others out.
    void lockTakenOverFromADeadCreator() {
        const QString link = config_->path() + "/COM9";
        makeFile(livenessLockPath(link)); // left by a creator that died
        PortLinkLock first;
        QCOMPARE(first.acquire(link), QString());
        PortLinkLock second;
        QVERIFY(second.acquire(link).contains("another running simulator"));
        first.release();
        QVERIFY(!QFile::exists(livenessLockPath(link)));
        QCOMPARE(second.acquire(link), QString());
    }

    void refusedPaths_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<PortError>("error");
        QTest::addColumn<QString>("advice");
        QTest::newRow("/dev/null")
            << "/dev/null" << PortError::NotSerial << "/dev/null is not a serial device.";
        QTest::newRow("folder") << "FOLDER" << PortError::Directory
                                << "FOLDER is a folder, not a serial device.";
    }
    void refusedPaths() {
        QFETCH(QString, path);
        QFETCH(QString, advice);
        path.replace("FOLDER", config_->path());
        advice.replace("FOLDER", config_->path());
        PosixSerialPort port;
        const PortError error = port.open(path);
        QTEST(error, "error");
        QVERIFY(!port.isOpen());
        QCOMPARE(portErrorAdvice(error, path), advice);
    }

    void permissionAdvice_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<bool>("throughLink");
        QTest::addColumn<bool>("dialoutAdvice");
        QTest::newRow("dialout device") << "dialout" << false << true;
        QTest::newRow("dialout device behind a link") << "dialout" << true << true;
        QTest::newRow("terminal of group root behind a link") << "root" << true << false;
    }
    void permissionAdvice() {
        QFETCH(QString, group);
        QFETCH(bool, throughLink);
        const QString device = makeFile(config_->path() + "/ttyUSB0");
        QVERIFY2(setGroup(device, group), qPrintable("cannot give the file the group " + group));
        const QString link = config_->path() + "/COM5";
        QVERIFY(QFile::link(device, link));
        const QString path = throughLink ? link : device;
        const QString advice = portErrorAdvice(PortError::PermissionDenied, path);
        const QString named = throughLink ? QString("%1 (%2)").arg(link, device) : device;
        QVERIFY2(advice.startsWith("Permission denied for " + named + "."), qPrintable(advice));
        QTEST(advice.contains("dialout"), "dialoutAdvice");
    }

private:
    std::unique_ptr<ScopedConfigDir> config_;
};

QTEST_GUILESS_MAIN(TestPortLinks)
#include "tst_port_links.moc"

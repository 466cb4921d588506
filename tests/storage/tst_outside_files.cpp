// Every reader of a file from outside the program refuses what is no regular file (a named pipe
// without a writer, a device, a folder) at once, instead of waiting in open() or taking whatever
// a device returns for the file's content.

#include "storage/ConfigPaths.h"
#include "storage/LastStateFile.h"
#include "storage/ParamFile.h"
#include "storage/SettingsFile.h"
#include "storage/TestSwitch.h"

#include "PipeWithoutWriter.h"
#include "ScopedConfigDir.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace varko;

namespace {

enum class Reader { ParamFile, SettingsFile, LastStateFile, TestSwitch };
enum class Kind { NamedPipe, Device, Folder };

QString pathFor(Reader reader, const ScopedConfigDir& config) {
    const QString folder = config.varkoDir();
    switch (reader) {
    case Reader::ParamFile:
        return folder + "/bike.ign";
    case Reader::SettingsFile:
        return settingsFilePath();
    case Reader::LastStateFile:
        return lastStateFilePath();
    case Reader::TestSwitch:
        return testSwitchFilePath();
    }
    return {};
}

bool make(Kind kind, const QString& path) {
    switch (kind) {
    case Kind::NamedPipe:
        return makePipeWithoutWriter(path);
    case Kind::Device:
        return QFile::link("/dev/null", path);
    case Kind::Folder:
        return QDir().mkpath(path);
    }
    return false;
}

// Reads with the reader; true when it refused the file and changed nothing.
bool refused(Reader reader, const QString& path) {
    switch (reader) {
    case Reader::ParamFile: {
        ParamImage image;
        image.limiter() = 99;
        std::uint8_t version = 7;
        return !loadParamFile(path, image, version) && version == 7 && image.limiter() == 99;
    }
    case Reader::SettingsFile: {
        SettingsValues values;
        values.left = 12;
        return loadSettingsFile(path, values).unreadable && values.left == 12;
    }
    case Reader::LastStateFile: {
        LastState state;
        state.image.limiter() = 99;
        return !loadLastStateFile(path, state) && state.image.limiter() == 99;
    }
    case Reader::TestSwitch:
        return !readTestSwitch();
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Reader)
Q_DECLARE_METATYPE(Kind)

class TestOutsideFiles : public QObject {
    Q_OBJECT
private slots:
    void noRegularFileIsRefusedAtOnce_data() {
        QTest::addColumn<Reader>("reader");
        QTest::addColumn<Kind>("kind");
        const std::pair<const char*, Reader> readers[] = {
            {"parameter file", Reader::ParamFile},
            {"settings file", Reader::SettingsFile},
            {"last-state file", Reader::LastStateFile},
            {"test switch", Reader::TestSwitch},
        };
        const std::pair<const char*, Kind> kinds[] = {
            {"named pipe", Kind::NamedPipe},
            {"device", Kind::Device},
            {"folder", Kind::Folder},
        };
        for (const auto& [readerName, reader] : readers)
            for (const auto& [kindName, kind] : kinds)
                QTest::addRow("%s, %s", readerName, kindName) << reader << kind;
    }
    void noRegularFileIsRefusedAtOnce() {
        QFETCH(Reader, reader);
        QFETCH(Kind, kind);
        ScopedConfigDir config;
        const QString path = pathFor(reader, config);
        QVERIFY(make(kind, path));
        bool wasRefused = false;
        QVERIFY2(returnsByItself(path, [&] { wasRefused = refused(reader, path); }),
                 "the reader waited in open()");
        QVERIFY(wasRefused);
    }
};

QTEST_GUILESS_MAIN(TestOutsideFiles)
#include "tst_outside_files.moc"

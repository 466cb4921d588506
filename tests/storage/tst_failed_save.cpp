// Every saver fails cleanly where it cannot write, a full disk among the obstacles, and the old
// file is left as it was.

#include "storage/LastStateFile.h"
#include "storage/ParamFile.h"
#include "storage/SettingsFile.h"

#include "FullFileSystem.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace varko;

namespace {

// What stands in the way of saving to folder/target.
enum class Obstacle { MissingFolder, FolderIsAFile, TargetIsAFolder, ReadOnlyFolder, FullDisk };

const QByteArray kOldContent = "old content\r\n";

bool save(const QString& saver, const QString& path) {
    if (saver == "parameter file")
        return saveParamFile(path, ParamImage{});
    if (saver == "settings file")
        return saveSettingsFile(path, SettingsValues{});
    return saveLastStateFile(path, LastState{});
}

} // namespace

Q_DECLARE_METATYPE(Obstacle)

class TestFailedSave : public QObject {
    Q_OBJECT
private slots:
    void saveFailsAndKeepsTheOldFile_data() {
        QTest::addColumn<QString>("saver");
        QTest::addColumn<Obstacle>("obstacle");
        QTest::addColumn<bool>("saved");
        const std::pair<const char*, Obstacle> obstacles[] = {
            {"missing folder", Obstacle::MissingFolder},
            {"folder is a file", Obstacle::FolderIsAFile},
            {"target is a folder", Obstacle::TargetIsAFolder},
            {"read-only folder", Obstacle::ReadOnlyFolder},
            {"full disk", Obstacle::FullDisk},
        };
        for (const char* saver : {"parameter file", "settings file", "last-state file"}) {
            for (const auto& [name, obstacle] : obstacles) {
                // The program's own files create their folder; a parameter file goes where the
                // user chose, into a folder that must exist.
                const bool saved =
                    obstacle == Obstacle::MissingFolder && saver != QLatin1String("parameter file");
                QTest::addRow("%s, %s", saver, name) << saver << obstacle << saved;
            }
        }
    }
    void saveFailsAndKeepsTheOldFile() {
        QFETCH(QString, saver);
        QFETCH(Obstacle, obstacle);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        std::optional<FullFileSystem> disk;
        if (obstacle == Obstacle::FullDisk) {
            disk.emplace();
            if (!disk->problem().isEmpty())
                QFAIL(qPrintable(disk->problem()));
        }
        const QString folder = disk ? disk->path() : dir.filePath("folder");
        const QString target = folder + "/target";
        switch (obstacle) {
        case Obstacle::MissingFolder:
            break;
        case Obstacle::FolderIsAFile:
            writeTestFile(folder, kOldContent);
            break;
        case Obstacle::TargetIsAFolder:
            QVERIFY(QDir().mkpath(target));
            break;
        case Obstacle::ReadOnlyFolder:
            QVERIFY(QDir().mkpath(folder));
            writeTestFile(target, kOldContent);
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
            if (QFileInfo(folder).isWritable()) {
                QFile::setPermissions(folder,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("permissions do not stop this user (root)");
            }
            break;
        case Obstacle::FullDisk:
            writeTestFile(target, kOldContent);
            QVERIFY(disk->fill());
            break;
        }

        const bool result = save(saver, target);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(result, saved);

        switch (obstacle) {
        case Obstacle::MissingFolder:
            QCOMPARE(QFileInfo(target).isFile(), saved);
            break;
        case Obstacle::FolderIsAFile:
            QCOMPARE(readTestFile(folder), kOldContent);
            break;
        case Obstacle::TargetIsAFolder:
            QVERIFY(QFileInfo(target).isDir());
            QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
            break;
        case Obstacle::ReadOnlyFolder:
        case Obstacle::FullDisk:
            QCOMPARE(readTestFile(target), kOldContent);
            QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"target"});
            break;
        }
    }
};

QTEST_GUILESS_MAIN(TestFailedSave)
#include "tst_failed_save.moc"

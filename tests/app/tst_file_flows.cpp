// New, Open, Save and the exe-dir flows of the main window, with dialogs and boxes answered by
// the test.

#include "CodeNames.h"
#include "Controls.h"
#include "FlowsFixture.h"
#include "FullFileSystem.h"
#include "PipeWithoutWriter.h"
#include "TestFiles.h"
#include "model/FormMapping.h"
#include "model/Presets.h"
#include "storage/ParamFile.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace varko;
using Answer = MessageBoxes::Answer;

namespace {

const QString kOlderVersion = "Older version of *.ign file!\n\nSome parameters won't be changed or "
                              "will be set to default value.\nThey are parameters which are not in "
                              "older version or have another structure.";

bool statusShown(const FlowsFixture& f) {
    return !f.window.find(Control::statusLine)->isHidden() ||
           !f.window.find(Control::programProgress)->isHidden();
}

void showStatus(const FlowsFixture& f) {
    f.window.find(Control::statusLine)->show();
    f.window.find(Control::programProgress)->show();
}

} // namespace

class TestFileFlows : public QObject {
    Q_OBJECT
private slots:
    void nameFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("nameFilters");
        QTest::newRow("open") << "Ignition Parametrs(*.ign)|*.ign|All Files (*.*)|*.*"
                              << QStringList{"Ignition Parametrs(*.ign)", "All Files (*)"};
        QTest::newRow("save") << "Ignition Parametrs(*.ign)|*.ign"
                              << QStringList{"Ignition Parametrs(*.ign)"};
        QTest::newRow("description without patterns")
            << "Texts|*.txt" << QStringList{"Texts (*.txt)"};
        QTest::newRow("description without its pair") << "Texts" << QStringList{};
    }
    void nameFilters() {
        QFETCH(QString, filter);
        QFETCH(QStringList, nameFilters);
        QCOMPARE(qtNameFilters(filter), nameFilters);
    }

    void newNotAnsweredYesChangesNothing_data() {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("No") << Answer::No;
        QTest::newRow("Cancel") << Answer::Cancel;
    }
    void newNotAnsweredYesChangesNothing() {
        QFETCH(Answer, answer);
        FlowsFixture f;
        f.type(Control::limiterEdit, "9000");
        f.window.document().setFile("/somewhere/bike.ign");
        const ParamImage before = f.window.document().image();
        f.window.boxes.answers = {answer};
        f.window.find<QAbstractButton>(Control::newButton)->click();
        QCOMPARE(f.window.boxes.asked, QStringList{"Do you want default setting?"});
        QCOMPARE(f.window.document().image(), before);
        QCOMPARE(f.fileLabel(), "/somewhere/bike.ign");
        f.trigger(Control::undoItem);
        QCOMPARE(int(f.window.document().image().limiter()), 110); // one step back, as before New
        QVERIFY(!f.canUndo());
    }

    void newYesResetsTheModelsDefaults() {
        FlowsFixture f;
        f.type(Control::limiterEdit, "9000");
        f.type(Control::mapCellEdit(0, 5), "44");
        showStatus(f);
        f.window.boxes.answers = {Answer::Yes};
        f.trigger(Control::newItem);
        QCOMPARE(int(f.window.document().image().limiter()), 110);
        QCOMPARE(int(f.window.document().image().advance(0, 5)), int(DefaultAdvanceMap[5]));
        QCOMPARE(int(f.window.document().image().bike()), BikeCode::yamahaR6);
        QCOMPARE(f.window.edit(Control::limiterEdit)->text(), "11,000");
        QCOMPARE(f.fileLabel(), QString());
        QVERIFY(!statusShown(f));
        f.trigger(Control::undoItem); // New is one undo step
        QCOMPARE(int(f.window.document().image().limiter()), 90);
    }

    void newWithSpecialSettingKeepsTheGeometry() {
        FlowsFixture f;
        f.window.showWith([](ParamImage& image) {
            image.bike() = BikeCode::hondaVfr750;
            bool listChanged = false;
            applyBikePreset(image, listChanged);
            image.bike() = kBikeSpecial;
            image.bytes[42] = 0;
            image.bytes[47] = 1;
            image.limiter() = 95;
        });
        const ParamImage special = f.window.document().image();
        f.window.boxes.answers = {Answer::Yes};
        f.trigger(Control::newItem);
        const ParamImage& image = f.window.document().image();
        for (int byte : {0, 2, 3, 4, 11}) {
            QCOMPARE(image.bytes[byte], special.bytes[byte]);
        }
        for (int byte = 30; byte <= 53; ++byte) {
            QCOMPARE(image.bytes[byte], special.bytes[byte]);
        }
        QCOMPARE(int(image.limiter()), 110);
    }

    // A file Open cannot take leaves the window as it was: one of another version says so, one
    // without any file key is passed over in silence.
    void openThatTakesNothing_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("another version") << QByteArray("KALUBREN_KEY 76\r\nLIMITER 50\r\n")
                                         << QStringList{"Unmatched version of *.ign file!"};
        QTest::newRow("no file key") << QByteArray("BIKE 20\r\nLIMITER 50\r\n") << QStringList();
    }
    void openThatTakesNothing() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, boxes);
        FlowsFixture f;
        QTemporaryDir dir;
        const QString path = dir.filePath("taken.ign");
        writeTestFile(path, content);
        f.window.document().setFile("/before.ign");
        const ParamImage before = f.window.document().image();
        f.dialogs.paths = {path};
        f.trigger(Control::openItem);
        QCOMPARE(f.window.boxes.shown, boxes);
        QCOMPARE(f.window.document().image(), before);
        QCOMPARE(f.fileLabel(), "/before.ign");
        QVERIFY(!f.canUndo());
        // lastFilePath stayed: the save dialog still starts without a file name.
        f.trigger(Control::saveItem);
        QCOMPARE(f.dialogs.shown.last().fileName, QString());
    }

    void openOlderVersion() {
        FlowsFixture f;
        const QString path = QStringLiteral(VARKO_TEST_DATA_DIR "/version48.ign");
        f.dialogs.paths = {path};
        f.trigger(Control::openItem);
        QCOMPARE(f.window.boxes.shown, QStringList{kOlderVersion});
        const ParamImage& image = f.window.document().image();
        QCOMPARE(int(image.limiter()), 115);
        QCOMPARE(int(image.input1()), 2);
        QCOMPARE(int(image.input2()), 3);
        QCOMPARE(f.fileLabel(), path);
        QVERIFY(f.canUndo());
        f.trigger(Control::saveItem); // the save dialog now starts at the file opened
        QCOMPARE(f.dialogs.shown.last().fileName, path);
    }

    // The version boxes show after the whole file is read, in the order their keys came.
    void versionBoxesInFileOrder() {
        FlowsFixture f;
        QTemporaryDir dir;
        const QString path = dir.filePath("mixed.ign");
        writeTestFile(path, "KALUBREN_KEY 12 KALUBREN_KEY 54 LIMITER 99");
        f.dialogs.paths = {path};
        f.trigger(Control::openItem);
        QCOMPARE(f.window.boxes.shown,
                 (QStringList{"Unmatched version of *.ign file!", kOlderVersion}));
        QCOMPARE(int(f.window.document().image().limiter()), 99);
    }

    // A crafted file with a key for every line would otherwise open a box for each.
    void manyWrongVersionKeysShowOneBox() {
        FlowsFixture f;
        QTemporaryDir dir;
        const QString path = dir.filePath("crafted.ign");
        writeTestFile(path, QByteArray("KALUBREN_KEY 12\r\n").repeated(500) + "LIMITER 99");
        f.dialogs.paths = {path};
        f.trigger(Control::openItem);
        QCOMPARE(f.window.boxes.shown, QStringList{"Unmatched version of *.ign file!"});
    }

    void openedValuesAreWhatTheWindowShows() {
        FlowsFixture f;
        QTemporaryDir dir;
        const QString path = dir.filePath("odd.ign");
        ParamImage odd = f.window.document().image();
        odd.bike() = BikeCode::unlisted;
        odd.channelCount() = 0;
        odd.advance(3, 4) = 200;
        QVERIFY(saveParamFile(path, odd));
        f.dialogs.paths = {path};
        f.trigger(Control::openItem);
        const ParamImage opened = f.window.document().image();
        QCOMPARE(int(opened.bike()), BikeCode::yamahaR6); // the entry the list kept
        QVERIFY(opened.channelCount() >= 1);
        QCOMPARE(int(opened.advance(3, 4)), 60);
        // The command line's --as-window, program and verify take the file the same way.
        ParamImage taken = odd;
        takeAsWindowOpens(taken, false);
        QCOMPARE(opened, taken);
        QCOMPARE(f.window.collected(), opened);
        // The undo step holds the same image.
        f.trigger(Control::undoItem);
        f.trigger(Control::redoItem);
        QCOMPARE(f.window.document().image(), opened);
    }

    void saveThenOpenReproducesTheImage() {
        FlowsFixture f;
        QTemporaryDir dir;
        const QString path = dir.filePath("round.ign");
        f.type(Control::limiterEdit, "9000");
        f.type(Control::mapCellEdit(2, 1), "37");
        f.dialogs.paths = {path};
        f.window.find<QAbstractButton>(Control::saveButton)->click();
        QCOMPARE(f.dialogs.shown.last().filterIndex, 1);
        QCOMPARE(f.dialogs.shown.last().defaultExt, "ign");
        QCOMPARE(f.dialogs.shown.last().kind, FileDialog::Kind::Save);
        QCOMPARE(f.fileLabel(), path);
        const ParamImage saved = f.window.document().image();
        QCOMPARE(readTestFile(path), writeParamFile(saved));

        f.window.boxes.answers = {Answer::Yes};
        f.trigger(Control::newItem);
        QVERIFY(f.window.document().image() != saved);
        f.dialogs.paths = {path};
        f.window.find<QAbstractButton>(Control::openButton)->click();
        QCOMPARE(f.dialogs.shown.last().fileName, path); // starts at the file saved
        QCOMPARE(f.dialogs.shown.last().filter,
                 "Ignition Parametrs(*.ign)|*.ign|All Files (*.*)|*.*");
        QCOMPARE(f.window.document().image(), saved);
        QCOMPARE(f.fileLabel(), path);
        QVERIFY(f.window.boxes.shown.isEmpty());
    }

    void cancelledDialogs() {
        FlowsFixture f;
        showStatus(f);
        const ParamImage before = f.window.document().image();
        f.trigger(Control::openItem);
        QVERIFY(!statusShown(f));
        showStatus(f);
        f.trigger(Control::saveItem);
        QVERIFY(statusShown(f));
        QCOMPARE(f.dialogs.shown.size(), 2);
        QCOMPARE(f.window.document().image(), before);
        QCOMPARE(f.fileLabel(), QString());
        QVERIFY(f.window.boxes.shown.isEmpty());
    }

    void openWhatIsNoFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("named pipe") << "named pipe";
        QTest::newRow("device") << "device";
    }
    void openWhatIsNoFile() {
        QFETCH(QString, kind);
        FlowsFixture f;
        QTemporaryDir dir;
        const QString path = dir.filePath("x.ign");
        if (kind == "named pipe")
            QVERIFY(makePipeWithoutWriter(path));
        else if (kind == "device")
            QVERIFY(QFile::link("/dev/null", path));
        showStatus(f);
        const ParamImage before = f.window.document().image();
        f.dialogs.paths = {path};
        QVERIFY2(returnsByItself(path, [&] { f.trigger(Control::openItem); }),
                 "Open waited in open()");
        QCOMPARE(f.window.boxes.shown, QStringList{"Open file error!"});
        QCOMPARE(f.window.document().image(), before);
        QVERIFY(!statusShown(f));
        QVERIFY(!f.canUndo());
    }

    void failedSaveKeepsTheOldFile_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("read-only folder") << "read-only folder";
        // No room beside the file for the new one to be written before it replaces the old.
        QTest::newRow("longest file name") << "longest file name";
        QTest::newRow("full disk") << "full disk";
    }
    void failedSaveKeepsTheOldFile() {
        QFETCH(QString, obstacle);
        FlowsFixture f;
        QTemporaryDir dir;
        std::optional<FullFileSystem> disk;
        if (obstacle == "full disk") {
            disk.emplace();
            if (!disk->problem().isEmpty())
                QFAIL(qPrintable(disk->problem()));
        }
        const QString folder = disk ? disk->path() : dir.filePath("folder");
        QVERIFY(QDir().mkpath(folder));
        const bool readOnly = obstacle == "read-only folder";
        const QString path =
            folder + '/' +
            (obstacle == "longest file name" ? QString(251, 'x') + ".ign" : QString("old.ign"));
        writeTestFile(path, "old content");
        if (disk)
            QVERIFY(disk->fill());
        if (readOnly) {
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
            if (QFileInfo(folder).isWritable()) {
                QFile::setPermissions(folder,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("this user may write into read-only folders");
            }
        }
        f.window.document().setFile("/before.ign");
        f.dialogs.paths = {path};
        f.trigger(Control::saveItem);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(f.window.boxes.shown, QStringList{"Open file error!"});
        QCOMPARE(QApplication::overrideCursor(), nullptr); // the waiting pointer is gone
        QCOMPARE(readTestFile(path), QByteArray("old content"));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
        QCOMPARE(f.fileLabel(), "/before.ign");
        f.trigger(Control::openItem); // lastFilePath stayed
        QCOMPARE(f.dialogs.shown.last().fileName, QString());
    }

    void exeDirFlows() {
        FlowsFixture f;
        const QString dataFile = QCoreApplication::applicationDirPath() + "/data.ign";
        QFile::remove(dataFile);
        f.type(Control::limiterEdit, "8000");
        f.trigger(Control::saveToProgramFolderItem); // cancelled, but the dialogs were preset
        QCOMPARE(f.dialogs.shown.last().fileName, dataFile);
        QCOMPARE(f.dialogs.shown.last().kind, FileDialog::Kind::Save);
        f.dialogs.paths = {dataFile};
        f.trigger(Control::saveToProgramFolderItem);
        QCOMPARE(f.fileLabel(), dataFile);
        f.window.boxes.answers = {Answer::Yes};
        f.trigger(Control::newItem);
        f.dialogs.paths = {dataFile};
        f.trigger(Control::openFromProgramFolderItem);
        QCOMPARE(f.dialogs.shown.last().fileName, dataFile);
        QCOMPARE(f.dialogs.shown.last().kind, FileDialog::Kind::Open);
        QCOMPARE(int(f.window.document().image().limiter()), 80);
        QFile::remove(dataFile);
    }
};

QTEST_MAIN(TestFileFlows)
#include "tst_file_flows.moc"

// The status bar's file field: "Saved" exactly while saving would write what the file holds, from
// Open, Save and, at start, the last file; in the window's language. A file that lacks values,
// or holds values the window would save otherwise, is not saved. Its unit field where no unit
// answers.

#include "Controls.h"
#include "FlowsFixture.h"
#include "PresetImage.h"
#include "TestFiles.h"
#include "app/ProgramWindow.h"
#include "app/WindowLink.h"
#include "storage/ParamFile.h"

#include <QTemporaryDir>
#include <QtTest>

class TestSaveAndUnitFields : public QObject {
    Q_OBJECT
private slots:
    void fileFieldFollowsTheSet();
    void openedFileIsSaved();
    void openedFileThatSavingWouldChange_data();
    void openedFileThatSavingWouldChange();
    void lastFileAtStart_data();
    void lastFileAtStart();
    void unitFieldWithoutUnit();
    void programCutShortLeavesTheUnitUnknown();
};

namespace {

QString field(const WindowFixture& window, const char* name) {
    return window.find<QLabel>(name)->text();
}

QByteArray lineStartingWith(const QByteArray& text, const QByteArray& start) {
    for (const QByteArray& line : text.split('\n'))
        if (line.startsWith(start))
            return line.chopped(1); // without its CR
    return {};
}

} // namespace

void TestSaveAndUnitFields::fileFieldFollowsTheSet() {
    FlowsFixture f;
    QTemporaryDir dir;
    QCOMPARE(field(f.window, Control::savedField), "Not saved"); // a set without a file

    f.dialogs.paths = {dir.filePath("tune.ign")};
    f.trigger(Control::saveItem);
    QCOMPARE(field(f.window, Control::savedField), "Saved");

    f.type(Control::limiterEdit, "10500");
    QCOMPARE(field(f.window, Control::savedField), "Not saved");
    f.trigger(Control::undoItem); // back to what the file holds
    QCOMPARE(field(f.window, Control::savedField), "Saved");

    f.trigger(Control::germanItem);
    QCOMPARE(field(f.window, Control::savedField), "Gespeichert");
    f.type(Control::limiterEdit, "10500");
    QCOMPARE(field(f.window, Control::savedField), "Nicht gespeichert");
}

void TestSaveAndUnitFields::openedFileIsSaved() {
    FlowsFixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath("r1.ign");
    writeTestFile(path, varko::writeParamFile(presetImage(28)));
    f.dialogs.paths = {path};
    f.trigger(Control::openItem);
    QCOMPARE(f.fileLabel(), path);
    QCOMPARE(field(f.window, Control::savedField), "Saved");
}

// Open keeps the window's values where the file lacks its own, so the window's set is whole; but
// saving would write them into the file.
void TestSaveAndUnitFields::openedFileThatSavingWouldChange_data() {
    QTest::addColumn<QByteArray>("content");
    const QByteArray own = varko::writeParamFile(presetImage(28));
    QTest::newRow("only the file key") << QByteArray("KALUBREN_KEY 75");
    QTest::newRow("cut after 300 bytes") << own.left(300);
    QTest::newRow("a key taken out") << QByteArray(own).replace("LIMITER", "NONE");
    QTest::newRow("a flag written as 5") << QByteArray(own)
                                                .replace("EXCITATION      0", "EXCITATION      5")
                                                .replace("EXCITATION      1", "EXCITATION      5");
    QTest::newRow("a limiter below its range")
        << QByteArray(own).replace(lineStartingWith(own, "LIMITER"), "LIMITER     3");
}

void TestSaveAndUnitFields::openedFileThatSavingWouldChange() {
    QFETCH(QByteArray, content);
    FlowsFixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath("r1.ign");
    writeTestFile(path, content);
    f.dialogs.paths = {path};
    f.trigger(Control::openItem);
    QCOMPARE(f.fileLabel(), path); // opened
    QCOMPARE(field(f.window, Control::savedField), "Not saved");

    f.dialogs.paths = {path};
    f.trigger(Control::saveItem);
    QCOMPARE(field(f.window, Control::savedField), "Saved");
}

void TestSaveAndUnitFields::lastFileAtStart_data() {
    QTest::addColumn<QString>("onDisk"); // what became of the file the window saved
    QTest::addColumn<QString>("shown");
    QTest::newRow("file holds the set") << "as saved"
                                        << "Saved";
    QTest::newRow("file changed since") << "another set"
                                        << "Not saved";
    QTest::newRow("file cut short since") << "cut short"
                                          << "Not saved";
}

void TestSaveAndUnitFields::lastFileAtStart() {
    QFETCH(QString, onDisk);
    QFETCH(QString, shown);
    ScopedConfigDir config;
    QTemporaryDir dir;
    const QString path = dir.filePath("tune.ign");
    {
        ScriptedFileDialogs dialogs;
        ScriptedMessageBoxes boxes;
        const auto window = startProgramWindow();
        dialogs.paths = {path};
        window->findChild<QAction*>(Control::saveItem)->trigger();
        window->close(); // the settings keep the file, the last state the set
    }
    if (onDisk == "another set")
        writeTestFile(path, varko::writeParamFile(presetImage(28)));
    else if (onDisk == "cut short")
        writeTestFile(path, readTestFile(path).left(300));
    ScriptedMessageBoxes boxes;
    const auto window = startProgramWindow();
    QCOMPARE(window->findChild<QLabel*>(Control::savedField)->text(), shown);
}

void TestSaveAndUnitFields::unitFieldWithoutUnit() {
    WindowFixture window;
    QCOMPARE(field(window, Control::inUnitField), "Not in unit");
}

// A program that another start cuts short may have stored part of the set: it ends as abandoned,
// and what the unit holds is no longer known.
void TestSaveAndUnitFields::programCutShortLeavesTheUnitUnknown() {
    FlowsFixture f;
    f.programWithoutBackup();
    f.window.document().unitHolds(f.window.document().image());
    QCOMPARE(field(f.window, Control::inUnitField), "In unit");
    std::vector<std::pair<varko::TransferMode, varko::TransferResult>> outcomes;
    QObject::connect(&f.window.link(), &WindowLink::transferFinished, &f.window.link(),
                     [&](varko::TransferMode started, varko::TransferResult result) {
                         outcomes.emplace_back(started, result);
                     });
    f.trigger(Control::programItem);
    f.trigger(Control::verifyItem);
    QCOMPARE(outcomes.size(), std::size_t(1));
    QCOMPARE(outcomes[0],
             std::pair(varko::TransferMode::Program, varko::TransferResult::Abandoned));
    QCOMPARE(f.window.link().engine().state().transferMode(), varko::TransferMode::Verify);
    QCOMPARE(field(f.window, Control::inUnitField), "Not in unit");
}

QTEST_MAIN(TestSaveAndUnitFields)
#include "tst_save_and_unit_fields.moc"

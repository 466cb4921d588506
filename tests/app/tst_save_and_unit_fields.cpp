// The status bar's file field: "Saved" exactly while the window's set is what its file holds, from
// Open, Save and, at start, the last file opened as Open would; in the window's language. Its
// unit field where no unit answers.

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
    void lastFileAtStart_data();
    void lastFileAtStart();
    void unitFieldWithoutUnit();
    void programCutShortLeavesTheUnitUnknown();
};

namespace {

QString field(const WindowFixture& window, const char* name) {
    return window.find<QLabel>(name)->text();
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

void TestSaveAndUnitFields::lastFileAtStart_data() {
    QTest::addColumn<bool>("changedOnDisk");
    QTest::addColumn<QString>("shown");
    QTest::newRow("file holds the set") << false << "Saved";
    QTest::newRow("file changed since") << true << "Not saved";
}

void TestSaveAndUnitFields::lastFileAtStart() {
    QFETCH(bool, changedOnDisk);
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
    if (changedOnDisk) {
        varko::ParamImage other = presetImage(28);
        writeTestFile(path, varko::writeParamFile(other));
    }
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

// An image that the controls change (a model whose preset they cannot hold, a stored value
// outside a control's range) must become what the controls hold when the window takes it, so
// that merely leaving an edit or undoing across pages never records a step nor drops redo.

#include "Controls.h"
#include "ProgramWindowParts.h"
#include "ScopedConfigDir.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedMessageBoxes.h"
#include "app/ProgramWindow.h"
#include "document/Document.h"
#include "model/Presets.h"
#include "storage/ConfigPaths.h"
#include "storage/LastStateFile.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QTabWidget>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>

using namespace varko;

namespace {

constexpr int kDucati48Position = 0; // model code 32, whose preset the controls change
constexpr std::uint8_t kOutOfRangeCompensation = 30; // held at its default outside test mode

// A window started after the test has prepared its configuration folder.
struct StartedWindow {
    ScopedConfigDir config;
    ScriptedMessageBoxes boxes;
    ScriptedFileDialogs dialogs;
    std::unique_ptr<QMainWindow> window;
    std::optional<ProgramWindowParts> parts;

    explicit StartedWindow(const std::function<void(StartedWindow&)>& prepare) {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        config.varkoDir();
        prepare(*this);
        window = startProgramWindow();
        parts.emplace(*window);
    }
    template <typename W = QWidget> W* find(const QString& name) const {
        return window->findChild<W*>(name);
    }
    bool canUndo() const { return find<QAction>(Control::undoItem)->isEnabled(); }
    bool canRedo() const { return find<QAction>(Control::redoItem)->isEnabled(); }
    void showPage(const char* page) {
        auto* pages = find<QTabWidget>(Control::pages);
        pages->setCurrentIndex(pages->indexOf(find(page)));
    }
    // Leaves an edit as a user does after looking at it.
    void leaveUnchanged(const QString& edit) {
        find<QLineEdit>(edit)->setFocus();
        parts->edits().commitEditedValue();
    }
    void type(const QString& edit, const QString& text) {
        find<QLineEdit>(edit)->setText(text);
        parts->edits().commitEditedValue();
    }
};

// Run before start-up (preparing the configuration folder) or after it.
using WindowStep = std::function<void(StartedWindow&)>;

void chooseDucati48(StartedWindow& w) {
    w.find<QComboBox>(Control::bikeList)->setCurrentIndex(kDucati48Position);
    w.parts->edits().modelChosen();
}

void storeOutOfRangeCompensation(StartedWindow&) {
    ParamImage image;
    image.bike() = kBikeSpecial;
    bool listChanged = false;
    applyBikePreset(image, listChanged);
    for (int channel = 0; channel < kChannels; ++channel)
        image.compensation(channel) = kOutOfRangeCompensation;
    QVERIFY(saveLastStateFile(lastStateFilePath(), LastState{image, {}}));
}

} // namespace

Q_DECLARE_METATYPE(WindowStep)

class TestUndoStability : public QObject {
    Q_OBJECT
    static void unstableImages() {
        QTest::addColumn<WindowStep>("prepare");
        QTest::addColumn<WindowStep>("unsettle");
        const WindowStep nothing = [](StartedWindow&) {};
        QTest::newRow("model code 32") << nothing << WindowStep(chooseDucati48);
        QTest::newRow("last state with compensation 30")
            << WindowStep(storeOutOfRangeCompensation) << nothing;
    }

private slots:
    void leavingAnEditUnchangedRecordsNothing_data() { unstableImages(); }
    void leavingAnEditUnchangedRecordsNothing() {
        QFETCH(WindowStep, prepare);
        QFETCH(WindowStep, unsettle);
        StartedWindow w(prepare);
        unsettle(w);
        const bool couldUndo = w.canUndo();
        const ParamImage before = w.parts->document().image();
        for (const QString& edit :
             QStringList{Control::limiterEdit, Control::compensationEdit(1), Control::lobeCountEdit,
                         Control::maxAdvanceLobeEdit(1)})
            w.leaveUnchanged(edit);
        QCOMPARE(w.parts->document().image(), before);
        QCOMPARE(w.canUndo(), couldUndo);
        QVERIFY(!w.canRedo());
    }

    void undoingAcrossPagesKeepsRedo_data() { unstableImages(); }
    void undoingAcrossPagesKeepsRedo() {
        QFETCH(WindowStep, prepare);
        QFETCH(WindowStep, unsettle);
        StartedWindow w(prepare);
        unsettle(w);
        w.window->show();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        auto* pages = w.find<QTabWidget>(Control::pages);
        const ParamImage taken = w.parts->document().image();
        const int takenOnPage = pages->currentIndex();
        w.showPage(Control::advanceMapPage);
        QVERIFY(pages->currentIndex() != takenOnPage);
        w.type(Control::baseAdvanceEdit, "7");
        const ParamImage edited = w.parts->document().image();

        // The user is typing in an edit of the map page when undo takes the window back to the
        // other page.
        QLineEdit* cell = w.find<QLineEdit>(Control::baseAdvanceEdit);
        QTest::mouseClick(cell, Qt::LeftButton);
        QTest::keyClick(cell, Qt::Key_Backspace);
        QVERIFY(cell->hasFocus());
        w.find<QAction>(Control::undoItem)->trigger();
        QCOMPARE(pages->currentIndex(), takenOnPage);
        QCOMPARE(w.parts->document().image(), taken);
        QVERIFY(w.canRedo());
        w.find<QAction>(Control::redoItem)->trigger();
        QCOMPARE(w.parts->document().image(), edited);
        QVERIFY(!w.canRedo());
    }
};

QTEST_MAIN(TestUndoStability)
#include "tst_undo_stability.moc"

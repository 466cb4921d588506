#pragma once
// Undo and redo of the main window's image. The ring keeps the snapshots and decides when a
// change is programmed into the unit; this class shows what it restores, with its page, and
// keeps the undo and redo menu items and buttons enabled as the ring allows.

#include <QObject>
#include <memory>

namespace varko {
class UndoRing;
struct UndoSnapshot;
} // namespace varko
class MainWindow;
struct MainWindowUi;

class UndoHistory final : public QObject {
    Q_OBJECT
public:
    // Connects the menu items and buttons; the control tables must be built.
    UndoHistory(MainWindow& window, MainWindowUi& ui);
    ~UndoHistory() override;

    // The history starts again from the window's image and page.
    void reset();
    // The window's image changed: a new step, which may program the unit.
    void record();
    void undo();
    void redo();

private:
    // Shows a snapshot with its page; programs it when "Programming after change" is on.
    // Snapshots are of normalized images, so nothing is normalized or recorded here.
    void restore(const varko::UndoSnapshot& snapshot);
    void updateControls();

    MainWindow& window_;
    MainWindowUi& ui_;
    std::unique_ptr<varko::UndoRing> ring_;
};

// Undo and redo in the main window. The ring keeps the snapshots and decides when a change is
// programmed into the unit; the window shows what it restores.

#include "app/MainWindow.h"

#include "storage/UndoRing.h"

#include <QAction>
#include <QCheckBox>
#include <QTabWidget>

using namespace varko;

void MainWindow::resetUndo() {
    undoRing->init(paramImage, currentPage());
    updateUndoButtons();
}

void MainWindow::recordUndoStep() {
    const bool program =
        undoRing->push(paramImage, currentPage(), ui.programAfterChange->isChecked());
    updateUndoButtons();
    if (program)
        startAutoProgram();
}

void MainWindow::undo() {
    if (const UndoSnapshot* snapshot = undoRing->undo())
        restoreSnapshot(*snapshot);
}

void MainWindow::redo() {
    if (const UndoSnapshot* snapshot = undoRing->redo())
        restoreSnapshot(*snapshot);
}

// Snapshots are of normalized images, so nothing is normalized or recorded here.
void MainWindow::restoreSnapshot(const UndoSnapshot& snapshot) {
    paramImage = snapshot.image;
    showImage();
    if (currentPage() != snapshot.page)
        ui.pageControl->setCurrentIndex(snapshot.page);
    showImage();
    updateUndoButtons();
    if (ui.programAfterChange->isChecked())
        startAutoProgram();
}

void MainWindow::updateUndoButtons() {
    const bool canUndo = undoRing->canUndo();
    const bool canRedo = undoRing->canRedo();
    undoControls.undoAction->setEnabled(canUndo);
    undoControls.undoButton->setEnabled(canUndo);
    undoControls.redoAction->setEnabled(canRedo);
    undoControls.redoButton->setEnabled(canRedo);
}

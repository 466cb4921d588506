// Undo and redo in the main window. The ring keeps the snapshots and decides when a change is
// programmed into the unit; the window shows what it restores.

#include "app/TFormHlav.h"

#include "storage/UndoRing.h"

#include <QAction>
#include <QCheckBox>
#include <QTabWidget>

using namespace varko;

void TFormHlav::UndoInit() {
    undoRing->init(paramImage, currentPage());
    UpdateUndoButtons();
}

void TFormHlav::UndoPush() {
    const bool program = undoRing->push(paramImage, currentPage(), ui.checkProgHned->isChecked());
    UpdateUndoButtons();
    if (program)
        StartAutoProgram();
}

void TFormHlav::SpeedButtonZpetClick() {
    if (const UndoSnapshot* snapshot = undoRing->undo())
        RestoreSnapshot(*snapshot);
}

void TFormHlav::SpeedButtonZnovuClick() {
    if (const UndoSnapshot* snapshot = undoRing->redo())
        RestoreSnapshot(*snapshot);
}

// Snapshots are of normalized images, so nothing is normalized or recorded here.
void TFormHlav::RestoreSnapshot(const UndoSnapshot& snapshot) {
    paramImage = snapshot.image;
    ShowImage();
    if (currentPage() != snapshot.page)
        ui.pageControl->setCurrentIndex(snapshot.page);
    ShowImage();
    UpdateUndoButtons();
    if (ui.checkProgHned->isChecked())
        StartAutoProgram();
}

void TFormHlav::UpdateUndoButtons() {
    const bool canUndo = undoRing->canUndo();
    const bool canRedo = undoRing->canRedo();
    undoControls.menuZpet->setEnabled(canUndo);
    undoControls.speedButtonZpet->setEnabled(canUndo);
    undoControls.menuZnovu->setEnabled(canRedo);
    undoControls.speedButtonZnovu->setEnabled(canRedo);
}

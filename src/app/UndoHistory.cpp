#include "app/UndoHistory.h"

#include "app/MainWindow.h"
#include "storage/UndoRing.h"
#include "ui/MainWindowUi.h"
#include "ui/MenuShortcuts.h"
#include "ui/NumberPair.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>

using namespace varko;

UndoHistory::UndoHistory(MainWindow& window, MainWindowUi& ui)
    : QObject(&window), window_(window), ui_(ui), ring_(std::make_unique<UndoRing>()) {
    connect(ui.menu.undo, &QAction::triggered, this, &UndoHistory::undo);
    connect(ui.toolbar.undo, &QAbstractButton::clicked, this, &UndoHistory::undo);
    connect(ui.menu.redo, &QAction::triggered, this, &UndoHistory::redo);
    connect(ui.toolbar.redo, &QAbstractButton::clicked, this, &UndoHistory::redo);
    for (NumberPair* pair : ui.pairs)
        giveShortcutsToMenu(pair->edit(), {ui.menu.undo, ui.menu.redo});
}

UndoHistory::~UndoHistory() = default;

void UndoHistory::reset() {
    ring_->init(window_.image(), window_.currentPage());
    updateControls();
}

void UndoHistory::record() {
    const bool program =
        ring_->push(window_.image(), window_.currentPage(), ui_.programAfterChange->isChecked());
    updateControls();
    if (program)
        window_.startAutoProgram();
}

void UndoHistory::undo() {
    if (const UndoSnapshot* snapshot = ring_->undo())
        restore(*snapshot);
}

void UndoHistory::redo() {
    if (const UndoSnapshot* snapshot = ring_->redo())
        restore(*snapshot);
}

void UndoHistory::restore(const UndoSnapshot& snapshot) {
    window_.image() = snapshot.image;
    window_.showImage();
    if (window_.currentPage() != snapshot.page)
        window_.showPage(snapshot.page);
    window_.showImage();
    updateControls();
    if (ui_.programAfterChange->isChecked())
        window_.startAutoProgram();
}

void UndoHistory::updateControls() {
    const bool canUndo = ring_->canUndo();
    const bool canRedo = ring_->canRedo();
    ui_.menu.undo->setEnabled(canUndo);
    ui_.toolbar.undo->setEnabled(canUndo);
    ui_.menu.redo->setEnabled(canRedo);
    ui_.toolbar.redo->setEnabled(canRedo);
}

#include "app/UndoControls.h"

#include "document/Document.h"
#include "ui/MainWindowUi.h"
#include "ui/MenuShortcuts.h"
#include "ui/NumberPair.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMainWindow>

using namespace varko;

UndoControls::UndoControls(QMainWindow& window, MainWindowUi& ui, Document& document)
    : QObject(&window), ui_(ui), document_(document) {
    connect(ui.menu.undo, &QAction::triggered, &document, &Document::undo);
    connect(ui.toolbar.undo, &QAbstractButton::clicked, &document, &Document::undo);
    connect(ui.menu.redo, &QAction::triggered, &document, &Document::redo);
    connect(ui.toolbar.redo, &QAbstractButton::clicked, &document, &Document::redo);
    connect(&document, &Document::undoStateChanged, this, &UndoControls::updateControls);
    for (NumberPair* pair : ui.pairs)
        giveShortcutsToMenu(pair->edit(), {ui.menu.undo, ui.menu.redo});
    updateControls();
}

void UndoControls::updateControls() {
    const bool canUndo = document_.canUndo();
    const bool canRedo = document_.canRedo();
    ui_.menu.undo->setEnabled(canUndo);
    ui_.toolbar.undo->setEnabled(canUndo);
    ui_.menu.redo->setEnabled(canRedo);
    ui_.toolbar.redo->setEnabled(canRedo);
}

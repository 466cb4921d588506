#include "app/UndoControls.h"

#include "document/Document.h"
#include "ui/MainWindowUi.h"
#include "ui/MenuShortcuts.h"
#include "ui/NumberPair.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>

using namespace varko;

UndoControls::UndoControls(QMainWindow& window, MainWindowUi& ui, Document& document)
    : QObject(&window), ui_(ui), document_(document) {
    connect(ui.menu.undo, &QAction::triggered, &document, &Document::undo);
    connect(ui.menu.redo, &QAction::triggered, &document, &Document::redo);
    connect(&document, &Document::undoStateChanged, this, &UndoControls::updateControls);
    for (NumberPair* pair : ui.pairs)
        giveShortcutsToMenu(pair->edit(), {ui.menu.undo, ui.menu.redo});
    updateControls();
}

void UndoControls::updateControls() {
    ui_.menu.undo->setEnabled(document_.canUndo());
    ui_.menu.redo->setEnabled(document_.canRedo());
}

#pragma once
// A started main window whose message boxes and file dialogs the test answers, with the few
// looks at the window that the editing-flow tests share.

#include "Controls.h"
#include "ScriptedFileDialogs.h"
#include "WindowFixture.h"

#include <QAction>
#include <QLabel>
#include <QTabWidget>

struct FlowsFixture {
    ScriptedFileDialogs dialogs;
    WindowFixture window;

    // Types a value into a number edit and leaves it, as a user would.
    void type(const QString& edit, const QString& text) {
        window.edit(edit)->setText(text);
        window.edits().commitEditedValue();
    }
    void trigger(const QString& menuItem) { window.find<QAction>(menuItem)->trigger(); }
    // Programs start at once, as the unit's own program has them, without the backup of the
    // unit's set before the first program on a connection.
    void programWithoutBackup() {
        window.find<QAction>(Control::backupBeforeProgrammingItem)->setChecked(false);
    }
    bool enabled(const QString& menuItem) const {
        return window.find<QAction>(menuItem)->isEnabled();
    }
    bool canUndo() const { return enabled(Control::undoItem); }
    bool canRedo() const { return enabled(Control::redoItem); }
    QString fileLabel() const { return window.find<QLabel>(Control::fileLabel)->text(); }
    QTabWidget* pages() const { return window.find<QTabWidget>(Control::pages); }
};

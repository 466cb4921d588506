#pragma once
// File dialogs answered by the test instead of a user: each dialog is recorded as it was shown,
// then takes the next scripted path (an empty path cancels it); with no path left it is
// cancelled. Installed for as long as the object lives.

#include "ui/FileDialogs.h"

#include <QList>
#include <QStringList>

class ScriptedFileDialogs final : public FileDialogs {
public:
    ScriptedFileDialogs() { install(this); }
    ~ScriptedFileDialogs() override { install(nullptr); }
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    bool execute(QWidget*, FileDialog& dialog) override {
        shown << dialog;
        const QString path = paths.isEmpty() ? QString() : paths.takeFirst();
        if (path.isEmpty())
            return false;
        dialog.fileName = path;
        return true;
    }

    QStringList paths;
    QList<FileDialog> shown;
};

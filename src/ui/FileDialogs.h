#pragma once
// The file open and save dialogs behind one door, so a test can choose files instead of a user.
// A dialog is described by the settings it keeps between showings, as the window's two dialogs
// do: the file name it starts with (and ends with, once a file is chosen), the filters, the
// filter chosen and the extension added to a name typed without one.

#include <QString>
#include <QStringList>

class QWidget;

struct FileDialog {
    enum class Kind { Open, Save };

    Kind kind = Kind::Open;
    // "Description|pattern|Description|pattern..." as the desktop's dialogs take them.
    QString filter;
    int filterIndex = 1; // counted from 1
    QString defaultExt;  // without the dot
    QString fileName;    // full path; empty: none
};

// The filter pairs in the toolkit's syntax, "Description (patterns)". A description that already
// ends with its patterns in brackets is kept as it is. "*.*" means every file, with or without an
// extension, so it becomes "*".
QStringList qtNameFilters(const QString& filter);

class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // Shows the dialog modally. On a choice the dialog's fileName and filterIndex become the
    // chosen ones and the result is true; a cancelled dialog changes nothing. A save dialog asks
    // before it chooses a file that exists.
    virtual bool execute(QWidget* parent, FileDialog& dialog) = 0;

    static FileDialogs& current();
    // Used from now on instead of the desktop's dialogs; nullptr restores those. The caller keeps
    // ownership and installs nullptr before the object goes.
    static void install(FileDialogs* dialogs);
};

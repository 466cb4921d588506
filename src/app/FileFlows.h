#pragma once
// New and the file flows of the main window: Open, Save and their "exe dir" twins, with the
// dialogs' settings and the path the dialogs start from.

#include "document/Document.h"
#include "model/ParamImage.h"
#include "ui/FileDialogs.h"

#include <QObject>
#include <QString>
#include <optional>

class FormBinder;
class QMainWindow;
class WindowLink;
struct MainWindowUi;
namespace varko {
class Document;
}

class FileFlows final : public QObject {
    Q_OBJECT
public:
    // Connects the menu items and toolbar buttons of New, Open and Save.
    FileFlows(QMainWindow& window, MainWindowUi& ui, varko::Document& document, FormBinder& form,
              WindowLink& link);

    void newImage();
    void open();
    void save();
    void openFromProgramFolder();
    // Opens the file the window was started with, as Open opens a chosen one.
    void openFromCommandLine(const QString& path);
    // Chooses a file as Open does and shows how the window's set differs from it, without
    // changing the window.
    void compareWithFile();
    void saveToProgramFolder();
    // Loads a copy the program keeps for the user (a history entry) as Open loads a file; the
    // window's file stays as it was, since the copy is not the user's file.
    void openKeptCopy(const QString& path);

signals:
    // Compare with file: the window's set is to be compared with other, from the file path.
    void comparisonAsked(const varko::ParamImage& other, const QString& path);

public:
    // The last file opened or saved; both dialogs start there. Kept in the settings file.
    const QString& lastFilePath() const { return lastFilePath_; }
    void setLastFilePath(const QString& path);
    // At start: the set the last state brought counts as saved when the last file, opened as
    // Open would, holds it.
    void compareWithLastFile();

private:
    void startDialogsAt(const QString& path);
    void openParamFile(const QString& path);
    // Open's loading, from the file's messages to the one undo step; false when nothing was
    // taken.
    bool loadIntoWindow(const QString& path, varko::SetOrigin origin);
    // The file's set on a copy of the document's set, after the version messages, as the
    // window's Open makes of it; nothing when the file gives no set (its error already told).
    std::optional<varko::ParamImage> readParamFile(const QString& path);
    // After a file was saved or opened: the document's file, lastFilePath and the other dialog.
    void rememberFile(const QString& path, FileDialog& otherDialog);
    void hideTransferStatus();
    void tellOpenFileError();

    QMainWindow& window_;
    varko::Document& document_;
    FormBinder& form_;
    WindowLink& link_;
    FileDialog openDialog_;
    FileDialog saveDialog_;
    QString programFolderFile_;
    QString lastFilePath_;
};

#pragma once
// New and the file flows of the main window: Open, Save and their "exe dir" twins, with the
// dialogs' settings and the path the dialogs start from.

#include "document/Document.h"
#include "model/ImageDiff.h"
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
    // Opens the file the window was started with, as Open opens a chosen one, but says so when
    // the file holds no key: the user named it, and would otherwise hear nothing.
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
    void comparisonAsked(const varko::ComparedSet& other, const QString& path);

public:
    // The last file opened or saved; both dialogs start there. Kept in the settings file.
    const QString& lastFilePath() const { return lastFilePath_; }
    void setLastFilePath(const QString& path);
    // At start: the set the last state brought counts as saved when the last file, opened as
    // Open would, holds it.
    void compareWithLastFile();

private:
    // Whether a file without any key is named in a box; Open says nothing of it.
    enum class NoKey { Silent, Told };
    // A parameter file as the window takes it.
    struct ReadFile {
        varko::ParamImage asRead;  // on a copy of the document's set: what the file holds
        varko::ParamImage taken;   // as the window's Open makes of asRead
        varko::ImageBytes lacking; // the bytes the file gave no value (FileGaps)
    };

    void startDialogsAt(const QString& path);
    void openParamFile(const QString& path, NoKey noKey);
    // Open's loading, from the file's messages to the one undo step; nothing when nothing was
    // taken.
    std::optional<ReadFile> loadIntoWindow(const QString& path, varko::SetOrigin origin,
                                           NoKey noKey);
    // The file's set after the version messages; nothing when the file gives no set (its error
    // already told).
    std::optional<ReadFile> readParamFile(const QString& path, NoKey noKey);
    // After a file was saved or opened: the set it holds, the document's file, lastFilePath and
    // the other dialog.
    void rememberFile(const QString& path, const varko::ParamImage& held,
                      const varko::ImageBytes& lacking, FileDialog& otherDialog);
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

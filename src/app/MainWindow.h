#pragma once
// The main window. It owns the whole state of a run: the parameter image, what the controls
// hold, the window settings, the undo history and the window modes. The logic lives in the
// headless layers; this class wires the widgets to it.

#include "model/FormMapping.h"
#include "model/Normalize.h"
#include "model/ParamImage.h"
#include "storage/LastStateFile.h"
#include "ui/FileDialogs.h"
#include "ui/MainWindowUi.h"

#include <QMainWindow>
#include <memory>

namespace varko {
class UndoRing;
struct UndoSnapshot;
} // namespace varko
class WindowLink;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    const varko::ParamImage& image() const { return paramImage; }
    varko::ParamImage& image() { return paramImage; }

    void startUp();
    // Runs when the window closes; the close itself is never refused.
    void shutDown();

    // The device link: the engine, the live values and the operating point.
    WindowLink& deviceLink() { return *link; }
    void closePort();

    // The controls into the image, and the image into the controls; both end with the rules.
    void collectImage();
    void showImage();
    void applyDisplayRules();
    // Normalize, show, and record the change for undo (which may program the unit).
    void refreshAfterChange();

    // An arrow click, or the focus leaving an edit or the ignitions list.
    void commitEditedValue();
    void commitAndMoveOn();
    void checkBoxReleased();
    void noReadingToggled();
    void input1Chosen(int position);
    void input2Chosen(int position);
    void modelChosen();

    // File menu and toolbar: New, and the four file flows.
    void newImage();
    void openFile();
    void saveFile();
    void openFromProgramFolder();
    void saveToProgramFolder();

    // Undo and redo: toolbar buttons and the Tools menu.
    void undo();
    void redo();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Steps of start-up and close.
    void loadSettings();
    void applyCommandLineLanguage();
    void openPort();
    void readTestSwitch();
    void startAutoProgram();
    void saveSettings();

    void connectHandlers();
    // The dialogs' settings and the menu items and toolbar buttons of New, the file flows and
    // undo and redo.
    void setUpEditingFlows();
    void centerOnScreen();
    void applyTexts();
    void resetUndo();
    void recordUndoStep();
    void updateUndoButtons();
    // Shows an undo snapshot with its page; programs it when "Programming after change" is on.
    void restoreSnapshot(const varko::UndoSnapshot& snapshot);
    void hideTransferStatus();
    void openParamFile(const QString& path);
    // After a file was saved or opened: the file label, lastFilePath and the other dialog.
    void rememberFile(const QString& path, FileDialog& otherDialog);
    std::uint8_t currentPage() const;
    // The check boxes and lists into formState, and formState into the controls (only through
    // setters that emit no user signal, so no handler runs).
    void readChoices();
    void writeControls();

    MainWindowUi ui;
    varko::ParamImage paramImage;
    varko::FormState formState;
    varko::WindowSettings settings;
    std::unique_ptr<varko::UndoRing> undoRing;
    std::unique_ptr<WindowLink> link;
    // Kept as the last-state file brought them, behind the image, and written back at close.
    std::array<std::uint8_t, varko::kLastStateReserved> lastStateReserved{};
    QString exeDirDataFile;
    QString lastFilePath;
    FileDialog openDialog;
    FileDialog saveDialog;
    struct UndoControls {
        QAction* undoAction = nullptr;
        QAction* redoAction = nullptr;
        QWidget* undoButton = nullptr;
        QWidget* redoButton = nullptr;
    } undoControls;
    bool testEnable = false;
    bool printing = false;
    bool bikeListChanged = false;
    // Set while the window itself changes the controls: focus moves caused by hiding or
    // disabling a control then run no handler.
    bool updatingControls = false;
    std::array<QString, 3> unitTexts; // firmware name, date and time of the unit
};

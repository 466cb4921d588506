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

class TFormHlav : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormHlav(QWidget* parent = nullptr);
    ~TFormHlav() override;

    const varko::ParamImage& image() const { return paramImage; }
    varko::ParamImage& image() { return paramImage; }

    void FormCreate();
    // Runs when the window closes; the close itself is never refused.
    void FormClose();

    // The device link: the engine, the live values and the operating point.
    WindowLink& deviceLink() { return *link; }
    void CloseComPort();

    // The controls into the image, and the image into the controls; both end with the rules.
    void CollectImage();
    void ShowImage();
    void ApplyUiRules();
    // Normalize, show, and record the change for undo (which may program the unit).
    void RefreshAfterChange();

    void UpDownClick();
    void EditExit();
    void FormKeyPress();
    void CheckBoxMouseUp();
    void CheckBoxZakazCteniClick();
    void RadioGroupInput1Click(int position);
    void RadioGroupInput2Click(int position);
    void ComboBoxBikeChange();

    // File menu and toolbar: New, and the four file flows.
    void MenuNewClick();
    void MenuOpenClick();
    void MenuSaveClick();
    void MenuOpenExeDirClick();
    void MenuSaveExeDirClick();

    // Undo and redo: toolbar buttons and the Tools menu.
    void SpeedButtonZpetClick();
    void SpeedButtonZnovuClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Steps of start-up and close.
    void LoadSettings();
    void ApplyCommandLineLanguage();
    void OpenComPort();
    void ReadTestSwitch();
    void StartAutoProgram();
    void SaveSettings();

    void ConnectHandlers();
    // The dialogs' settings and the menu items and toolbar buttons of New, the file flows and
    // undo and redo.
    void SetUpEditingFlows();
    void CenterOnScreen();
    void ApplyTexts();
    void UndoInit();
    void UndoPush();
    void UpdateUndoButtons();
    // Shows an undo snapshot with its page; programs it when "Programming after change" is on.
    void RestoreSnapshot(const varko::UndoSnapshot& snapshot);
    void HideTransferStatus();
    void OpenParamFile(const QString& path);
    // After a file was saved or opened: the file label, lastFilePath and the other dialog.
    void RememberFile(const QString& path, FileDialog& otherDialog);
    std::uint8_t currentPage() const;
    // The check boxes and lists into formState, and formState into the controls (only through
    // setters that emit no user signal, so no handler runs).
    void ReadChoices();
    void WriteControls();

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
    FileDialog openDialog1;
    FileDialog saveDialog1;
    struct UndoControls {
        QAction* menuZpet = nullptr;
        QAction* menuZnovu = nullptr;
        QWidget* speedButtonZpet = nullptr;
        QWidget* speedButtonZnovu = nullptr;
    } undoControls;
    bool testEnable = false;
    bool printing = false;
    bool bikeListChanged = false;
    // Set while the window itself changes the controls: focus moves caused by hiding or
    // disabling a control then run no handler.
    bool updatingControls = false;
    std::array<QString, 3> unitTexts; // firmware name, date and time of the unit
};

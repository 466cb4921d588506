#pragma once
// The main window. It owns the whole state of a run: the parameter image, what the controls
// hold, the window settings, the undo history and the window modes. The logic lives in the
// headless layers; this class wires the widgets to it.

#include "model/FormMapping.h"
#include "model/Normalize.h"
#include "model/ParamImage.h"
#include "ui/MainWindowUi.h"

#include <QMainWindow>
#include <memory>

namespace varko {
class UndoRing;
}
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Start-up steps that other parts of the program supply.
    void LoadSettings();
    void ApplyCommandLineLanguage();
    void OpenComPort();
    void ReadTestSwitch();
    void StartAutoProgram();

    void ConnectHandlers();
    void CenterOnScreen();
    void ApplyTexts();
    void UndoInit();
    void UndoPush();
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
    bool testEnable = false;
    bool printing = false;
    bool bikeListChanged = false;
    // Set while the window itself changes the controls: focus moves caused by hiding or
    // disabling a control then run no handler.
    bool updatingControls = false;
    std::array<QString, 3> unitTexts; // firmware name, date and time of the unit
};

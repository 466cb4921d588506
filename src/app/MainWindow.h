#pragma once
// The main window. It owns the whole state of a run: the parameter image, what the controls
// hold, the window settings, the undo history and the window modes. The logic lives in the
// headless layers; this class wires the widgets to it.

#include "app/Printout.h"
#include "model/FormMapping.h"
#include "model/Normalize.h"
#include "model/ParamImage.h"
#include "storage/LastStateFile.h"
#include "ui/MainWindowUi.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

class CompareFlows;
struct WindowArguments;
class FileFlows;
class LiveCharts;
class SaveAndUnitFields;
class UndoHistory;
class WindowLink;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    const varko::ParamImage& image() const { return paramImage; }
    varko::ParamImage& image() { return paramImage; }
    std::uint8_t language() const { return settings.language; }

    // The program's command line (arguments[0] is the program) may choose the language and name
    // a file to open.
    void startUp(const QStringList& arguments = {});
    // Only what a printout of an image opened from file needs: the controls with the texts of
    // the language and the display rules, without the settings, the port or the handlers.
    void startForPrintout(const varko::ParamImage& image, const QString& file,
                          std::uint8_t language);
    // Runs when the window closes; the close itself is never refused.
    void shutDown();

    // The device link: the engine, the live values and the operating point.
    WindowLink& deviceLink() { return *link; }
    // Whether the set is also in its file and in the unit, in the status bar.
    SaveAndUnitFields& saveAndUnitFields() { return *saveAndUnitStatus; }
    bool testMode() const { return testEnable; }
    void closePort();
    // Programs the image as it is, without collecting the controls first.
    void startAutoProgram();
    // Opens the compare view on the difference between the window's set and other, which
    // otherName names in the view's title (a file's path, or the unit).
    void showComparison(const varko::ParamImage& other, const QString& otherName);
    CompareFlows& comparison() { return *compareFlows; }

    // The controls into the image, and the image into the controls; both end with the rules.
    void collectImage();
    void showImage();
    // Show, then collect: a new image becomes what the controls can hold, so that merely
    // leaving a control later changes nothing.
    void passThroughControls();
    void applyDisplayRules();
    // Switches the page; the focus leaving an edit on the old page runs no handler.
    void showPage(int page);
    void normalizeImage();
    // Normalize, show, and record the change for undo (which may program the unit).
    void refreshAfterChange();
    // The chosen model's defaults, as New gives them.
    void resetToModelDefaults();
    std::uint8_t currentPage() const;
    // The printing state of the display rules; the link's tick then shows neither the status
    // nor the connection label.
    void setPrinting(bool on);
    // Only the tab of the page left visible, so that page is in front; and all tabs again.
    void showOnlyTab(int page);
    void showEveryTab();
    // The pages of a printout (see takePrintout).
    QList<QPicture> takePrintout(PrintScope scope, const PagePrinter& print);

    // An arrow click, or the focus leaving an edit or the ignitions list.
    void commitEditedValue();
    // Enter in an edit: the value is taken and the focus moves on.
    void commitAndMoveOn();
    void checkBoxReleased();
    void noReadingToggled();
    void input1Chosen(int position);
    void input2Chosen(int position);
    void modelChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Steps of start-up and close.
    void loadSettings();
    // After start-up: the file the command line names, opened as Open does, and a word about
    // arguments that were neither that nor the language.
    void takeCommandLine(const WindowArguments& arguments);
    void openPort();
    void readTestSwitch();
    void saveSettings();

    void connectHandlers();
    // Centres the frame on the screen. Until the window shows (when its menu bar takes its height)
    // and the window manager has put its frame around it, the frame's size is not known: the
    // window is then centred again as soon as it is, unless it was placed elsewhere meanwhile.
    void centerOnScreen();
    void applyTexts();
    // Takes effect at once; the settings file gets it when the window closes.
    void chooseLanguage(std::uint8_t language);
    // The check boxes and lists into formState, and formState into the controls (only through
    // setters that emit no user signal, so no handler runs).
    void readChoices();
    void writeControls();
    void withoutHandlers(const std::function<void()>& change);

    MainWindowUi ui;
    varko::ParamImage paramImage;
    varko::FormState formState;
    varko::WindowSettings settings;
    std::unique_ptr<WindowLink> link;
    UndoHistory* undoHistory = nullptr;
    FileFlows* fileFlows = nullptr;
    CompareFlows* compareFlows = nullptr;
    LiveCharts* liveCharts = nullptr;
    std::unique_ptr<SaveAndUnitFields> saveAndUnitStatus;
    // Kept as the last-state file brought them, behind the image, and written back at close.
    std::array<std::uint8_t, varko::kLastStateReserved> lastStateReserved{};
    // Where centring put the client area while the frame around it was not known yet.
    std::optional<QPoint> provisionalCentre;
    bool testEnable = false;
    bool printing = false;
    bool bikeListChanged = false;
    // Set while the window itself changes the controls: focus moves caused by hiding or
    // disabling a control then run no handler.
    bool updatingControls = false;
    std::array<QString, 3> unitTexts; // firmware name, date and time of the unit
};

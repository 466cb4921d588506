#pragma once
// The main window: the window's parts (widgets, document, form and link) with the flows that
// make them the program, its start-up from the settings and its close. It connects; the state
// lives in the document, and nothing it creates holds it.

#include "app/ProgramWindow.h"
#include "app/WindowParts.h"
#include "storage/LastStateFile.h"

#include <QMainWindow>
#include <optional>

class FileFlows;
struct HandedOverStart;
struct WindowArguments;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The program's command line (arguments[0] is the program) may choose the language and name
    // a file to open. What comes from outside is taken once the window has started.
    void startUp(const QStringList& arguments = {}, const OutsideRequests& outside = {});

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Runs when the window closes; the close itself is never refused.
    void shutDown();
    // Steps of start-up and close.
    void loadSettings(varko::ParamImage& image);
    // After start-up: the file the command line names, opened as Open does, and a word about
    // arguments that were neither that nor the language.
    void takeCommandLine(const WindowArguments& arguments);
    // A later start's command line, taken as the start-up took its own: the language word
    // switches the language as the Language menu does.
    void takeLaterStart(const HandedOverStart& start);
    void listenOutside(const OutsideRequests& outside);
    // A stop signal: the window closes as File > Exit closes it, and every event loop ends,
    // also one that an open box runs.
    void stopOnRequest();
    void saveSettings();

    void connectWindow();
    // Centres the frame on the screen. Until the window shows (when its menu bar takes its height)
    // and the window manager has put its frame around it, the frame's size is not known: the
    // window is then centred again as soon as it is, unless it was placed elsewhere meanwhile.
    void centerOnScreen();

    // Where centring put the client area while the frame around it was not known yet. Before
    // the parts: building them adds children, which event() hears of.
    std::optional<QPoint> provisionalCentre;
    WindowParts parts_;
    MainWindowUi& ui;
    varko::Document& document_;
    FileFlows* fileFlows = nullptr;
    // Stops listening at close, before the files are written.
    WindowInstance* laterStarts_ = nullptr;
    // Kept as the last-state file brought them, behind the image, and written back at close.
    std::array<std::uint8_t, varko::kLastStateReserved> lastStateReserved{};
};

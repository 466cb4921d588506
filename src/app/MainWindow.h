#pragma once
// The main window: builds the widgets, creates the document, the form binder, the link and the
// flows, and connects them. The state lives in the document; the window holds none of it.

#include "app/Printout.h"
#include "storage/LastStateFile.h"
#include "ui/MainWindowUi.h"

#include <QMainWindow>
#include <memory>
#include <optional>

class CompareFlows;
class FileFlows;
class FormBinder;
class FormEdits;
class WindowLink;
struct WindowArguments;
namespace varko {
class Document;
}

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The program's command line (arguments[0] is the program) may choose the language and name
    // a file to open.
    void startUp(const QStringList& arguments = {});
    // Only what a printout of an image opened from file needs: the controls with the texts of
    // the language and the display rules, without the settings, the port or the handlers.
    void startForPrintout(const varko::ParamImage& image, const QString& file,
                          std::uint8_t language);
    // Runs when the window closes; the close itself is never refused.
    void shutDown();

    varko::Document& document() { return *document_; }
    FormBinder& form() { return *form_; }
    FormEdits& edits() { return *edits_; }
    // The device link: the engine, the live values and the operating point.
    WindowLink& deviceLink() { return *link; }
    CompareFlows& comparison() { return *compareFlows; }
    // The pages of a printout (see takePrintout).
    QList<QPicture> takePrintout(PrintScope scope, const PagePrinter& print);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The parts every use of the window has: the control tables, the form and the link.
    void buildParts();
    // Steps of start-up and close.
    void loadSettings(varko::ParamImage& image);
    // After start-up: the file the command line names, opened as Open does, and a word about
    // arguments that were neither that nor the language.
    void takeCommandLine(const WindowArguments& arguments);
    void saveSettings();

    void connectWindow();
    // Centres the frame on the screen. Until the window shows (when its menu bar takes its height)
    // and the window manager has put its frame around it, the frame's size is not known: the
    // window is then centred again as soon as it is, unless it was placed elsewhere meanwhile.
    void centerOnScreen();
    void applyTexts();

    MainWindowUi ui;
    varko::Document* document_ = nullptr;
    FormBinder* form_ = nullptr;
    FormEdits* edits_ = nullptr;
    std::unique_ptr<WindowLink> link;
    FileFlows* fileFlows = nullptr;
    CompareFlows* compareFlows = nullptr;
    // Kept as the last-state file brought them, behind the image, and written back at close.
    std::array<std::uint8_t, varko::kLastStateReserved> lastStateReserved{};
    // Where centring put the client area while the frame around it was not known yet.
    std::optional<QPoint> provisionalCentre;
};

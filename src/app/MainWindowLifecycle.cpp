// The main window's start-up and close, and the settings and last-state files they read and
// write.

#include "app/CommandLine.h"
#include "app/CompareFlows.h"
#include "app/EditingTools.h"
#include "app/FileFlows.h"
#include "app/HelpMenu.h"
#include "app/LiveCharts.h"
#include "app/MainWindow.h"
#include "app/MapWorkbench.h"
#include "app/PrintMenu.h"
#include "app/UndoHistory.h"
#include "app/WindowHistory.h"
#include "app/WindowLink.h"

#include "model/ConfigFileMessages.h"
#include "model/Presets.h"
#include "storage/ConfigPaths.h"
#include "storage/SettingsFile.h"
#include "storage/TestSwitch.h"
#include "ui/ControlTables.h"
#include "ui/MessageBoxes.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

using namespace varko;

namespace {
constexpr std::uint8_t kStartupBike = 20; // "Yamaha R6"

// The window's placement as it is now; every other value as when the file lacks its key.
SettingsValues placementOf(const QWidget& window) {
    SettingsValues values;
    values.left = window.x();
    values.top = window.y();
    values.height = window.height();
    values.width = window.width();
    return values;
}

// Whether some screen shows enough of the window's top edge, where a title bar lets the user
// move it. A stored placement from another set of monitors can put it far off all of them.
bool topEdgeOnAScreen(const QWidget& window) {
    const QRect topEdge(window.pos(), QSize(window.width(), 40));
    const QSize grip(qMin(100, window.width()), 10);
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = screen->availableGeometry() & topEdge;
        if (shown.width() >= grip.width() && shown.height() >= grip.height())
            return true;
    }
    return false;
}
} // namespace

void MainWindow::startUp(const QStringList& commandLine) {
    const WindowArguments arguments = parseWindowArguments(commandLine);
    buildControlTables(this, ui);
    link = std::make_unique<WindowLink>(*this, ui, settings, unitTexts); // with the port menu
    connectHandlers();
    fileFlows = new FileFlows(*this, ui);
    new WindowHistory(*this, ui, *link, *fileFlows); // the window owns it
    compareFlows = new CompareFlows(*this, ui);
    liveCharts = new LiveCharts(*this, ui, *link);
    undoHistory = new UndoHistory(*this, ui);
    new EditingTools(*this, ui); // the window owns it
    new MapWorkbench(*this, ui); // the window owns it
    new HelpMenu(*this, ui);     // with the about box; the window owns it
    new PrintMenu(*this, ui);
    paramImage.bike() = kStartupBike;
    applyBikePreset(paramImage, bikeListChanged);
    centerOnScreen();
    loadSettings();
    link->showSettings();
    if (arguments.language)
        settings.language = *arguments.language;
    // The link starts in the no-connection state by itself.
    normalizeImage();
    showImage();
    openPort();
    applyTexts();
    showImage();
    ui.statusLabel->hide();
    ui.programGauge->hide();
    ui.programGauge->setMaximum(2);
    ui.dataErrorLabel->hide();
    ui.versionWarningLabel->hide();
    readTestSwitch();
    for (QLabel* label : ui.testLabels) {
        label->setVisible(testEnable);
    }
    // What the controls make of the stored image (with the test mode known) is the first step
    // of the history.
    passThroughControls();
    normalizeImage();
    showImage();
    fileFlows->compareWithLastFile();
    undoHistory->reset();
    takeCommandLine(arguments);
}

void MainWindow::shutDown() {
    closePort();
    collectImage();
    normalizeImage();
    saveSettings();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    shutDown();
    QMainWindow::closeEvent(event);
}

void MainWindow::centerOnScreen() {
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize outer = size().grownBy(frame);
    const QRect screenArea = screen()->geometry();
    const QPoint corner(screenArea.x() + (screenArea.width() - outer.width()) / 2,
                        screenArea.y() + (screenArea.height() - outer.height()) / 2);
    provisionalCentre.reset();
    setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size()));
    if (!isVisible() || frame.isNull())
        provisionalCentre = geometry().topLeft();
}

// Showing gives the menu bar its height; the frame comes with it or, from a window manager,
// a moment later, with or without a move. Left where centring put it (a window system keeps
// either the frame's corner or the client area's there), the window is centred again each time.
bool MainWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (provisionalCentre && isVisible() &&
        (provisionalCentre == pos() || provisionalCentre == geometry().topLeft()) &&
        (event->type() == QEvent::Show || !windowHandle()->frameMargins().isNull()))
        centerOnScreen();
    return handled;
}

void MainWindow::loadSettings() {
    SettingsValues values = placementOf(*this);
    const QString path = settingsFilePath();
    const SettingsLoad load = loadSettingsFile(path, values);
    if (load.unreadable) {
        // Told once the window is up, in the language it then speaks.
        QTimer::singleShot(0, this, [this, path, movedTo = load.movedTo] {
            MessageBoxes::current().warn(this,
                                         unreadableSettingsText(path, movedTo, settings.language));
        });
    }
    move(values.left, values.top);
    // A size far beyond the desktop cannot be meant and would cost the memory of its picture.
    const QSize largest = (screen()->virtualSize() * 2).expandedTo(size());
    resize(qMin(values.width, largest.width()), qMin(values.height, largest.height()));
    if (!topEdgeOnAScreen(*this))
        centerOnScreen();
    settings = values.window;
    ui.fileLabel->setText(values.file);
    fileFlows->setLastFilePath(values.iniDir);
    ui.pageControl->setCurrentIndex(values.activePage); // an index without a page changes nothing

    LastState state{paramImage, lastStateReserved};
    if (loadLastStateFile(lastStateFilePath(), state)) {
        paramImage = state.image;
        lastStateReserved = state.reserved;
    }
}

// A file that cannot be written is named to the user: the next start would otherwise silently
// come up without the settings or the parameter set of this run.
void MainWindow::saveSettings() {
    SettingsValues values = placementOf(*this);
    values.window = settings;
    values.file = ui.fileLabel->text();
    values.iniDir = fileFlows->lastFilePath();
    values.activePage = ui.pageControl->currentIndex();
    QStringList unsaved;
    if (!saveSettingsFile(settingsFilePath(), values))
        unsaved << settingsFilePath();
    if (!saveLastStateFile(lastStateFilePath(), LastState{paramImage, lastStateReserved}))
        unsaved << lastStateFilePath();
    if (!unsaved.isEmpty())
        MessageBoxes::current().warn(this, filesNotSavedText(unsaved, settings.language));
}

void MainWindow::takeCommandLine(const WindowArguments& arguments) {
    if (!arguments.file.isEmpty())
        fileFlows->openFromCommandLine(arguments.file);
    if (!arguments.ignored.isEmpty())
        MessageBoxes::current().warn(this,
                                     ignoredArgumentsText(arguments.ignored, settings.language));
}

void MainWindow::readTestSwitch() {
    testEnable = varko::readTestSwitch();
}

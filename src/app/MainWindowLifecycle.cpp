// The main window's start-up and close, and the settings and last-state files they read and
// write.

#include "app/CommandLine.h"
#include "app/FileFlows.h"
#include "app/LaterStarts.h"
#include "app/MainWindow.h"
#include "app/StopSignals.h"
#include "app/WindowInstance.h"
#include "app/WindowLink.h"

#include "document/Document.h"
#include "model/FormMapping.h"
#include "ui/FormBinder.h"

#include "model/ConfigFileMessages.h"
#include "model/Presets.h"
#include "storage/ConfigPaths.h"
#include "storage/SettingsFile.h"
#include "storage/TestSwitch.h"
#include "ui/MessageBoxes.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

using namespace varko;

namespace {

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

void MainWindow::startUp(const QStringList& commandLine, const OutsideRequests& outside) {
    const WindowArguments arguments = parseWindowArguments(commandLine);
    connectWindow();
    ParamImage image;
    image.bike() = kStartupBike;
    bool listChanged = false;
    applyBikePreset(image, listChanged);
    centerOnScreen();
    loadSettings(image);
    parts_.link().showSettings();
    if (arguments.language)
        document_.settings().language = *arguments.language;
    // The link starts in the no-connection state by itself.
    normalize(image, document_.settings());
    parts_.link().engine().openPort();
    parts_.applyTexts();
    document_.setTestMode(readTestSwitch());
    for (QLabel* label : ui.testLabels)
        label->setVisible(document_.testMode());
    // What the controls make of the stored image (with the test mode known) is the first step
    // of the history.
    roundTripThroughControls(image, document_.testMode());
    document_.startWith(image);
    fileFlows->compareWithLastFile();
    document_.startHistory();
    // From here on a close writes what the window holds; a box the command line brings may
    // already be closed by a stop signal.
    listenOutside(outside);
    takeCommandLine(arguments);
}

void MainWindow::listenOutside(const OutsideRequests& outside) {
    if (outside.stopSignals != nullptr)
        outside.stopSignals->whenCaught(this, [this] { stopOnRequest(); });
    laterStarts_ = outside.laterStarts;
    if (laterStarts_ != nullptr) {
        auto* starts =
            new LaterStarts(*this, [this](const HandedOverStart& start) { takeLaterStart(start); });
        laterStarts_->takeHandedOver(starts,
                                     [starts](const HandedOverStart& s) { starts->arrive(s); });
    }
}

void MainWindow::stopOnRequest() {
    close();
    // Unlike quit(), which asks every window first (and a box without an escape button
    // refuses), exit() ends the loops as they are, those of open boxes too.
    QCoreApplication::exit(0);
}

void MainWindow::shutDown() {
    if (laterStarts_ != nullptr)
        laterStarts_->stopListening();
    parts_.link().closePort();
    parts_.form().commit(ChangeOrigin::Commit);
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

void MainWindow::loadSettings(ParamImage& image) {
    SettingsValues values = placementOf(*this);
    const QString path = settingsFilePath();
    const SettingsLoad load = loadSettingsFile(path, values);
    if (load.unreadable) {
        // Told once the window is up, in the language it then speaks.
        QTimer::singleShot(0, this, [this, path, movedTo = load.movedTo] {
            MessageBoxes::current().warn(
                this, unreadableSettingsText(path, movedTo, document_.language()));
        });
    }
    move(values.left, values.top);
    // A size far beyond the desktop cannot be meant and would cost the memory of its picture.
    const QSize largest = (screen()->virtualSize() * 2).expandedTo(size());
    resize(qMin(values.width, largest.width()), qMin(values.height, largest.height()));
    if (!topEdgeOnAScreen(*this))
        centerOnScreen();
    document_.settings() = values.window;
    document_.setFile(values.file);
    fileFlows->setLastFilePath(values.iniDir);
    ui.pageControl->setCurrentIndex(values.activePage); // an index without a page changes nothing

    LastState state{image, lastStateReserved};
    if (loadLastStateFile(lastStateFilePath(), state)) {
        image = state.image;
        lastStateReserved = state.reserved;
    }
}

// A file that cannot be written is named to the user: the next start would otherwise silently
// come up without the settings or the parameter set of this run.
void MainWindow::saveSettings() {
    SettingsValues values = placementOf(*this);
    values.window = document_.settings();
    values.file = document_.file();
    values.iniDir = fileFlows->lastFilePath();
    values.activePage = ui.pageControl->currentIndex();
    QStringList unsaved;
    if (!saveSettingsFile(settingsFilePath(), values))
        unsaved << settingsFilePath();
    if (!saveLastStateFile(lastStateFilePath(), LastState{document_.image(), lastStateReserved}))
        unsaved << lastStateFilePath();
    if (!unsaved.isEmpty())
        MessageBoxes::current().warn(this, filesNotSavedText(unsaved, document_.language()));
}

void MainWindow::takeLaterStart(const HandedOverStart& start) {
    const WindowArguments arguments = parseWindowArguments(start.arguments, start.workingDirectory);
    if (arguments.language)
        document_.setLanguage(*arguments.language);
    takeCommandLine(arguments);
}

void MainWindow::takeCommandLine(const WindowArguments& arguments) {
    if (!arguments.file.isEmpty())
        fileFlows->openFromCommandLine(arguments.file);
    if (!arguments.ignored.isEmpty())
        MessageBoxes::current().warn(this,
                                     ignoredArgumentsText(arguments.ignored, document_.language()));
}

#pragma once
// The live plot and the advance-curve chart in the window: live readings go into the plot with
// the time they arrived (replayed ones with their log's spacing), the chart follows the map
// whenever the window shows its image, and the operating point on the chart follows the link at a
// modest pace while the chart is open.

#include "link/LiveHistory.h"
#include "ui/FileDialogs.h"

#include <QElapsedTimer>
#include <QObject>

class MainWindow;
class QTimer;
class WindowLink;
struct MainWindowUi;
namespace varko {
struct LiveReading;
}

class LiveCharts final : public QObject {
    Q_OBJECT
public:
    LiveCharts(MainWindow& window, MainWindowUi& ui, WindowLink& link);

    // The window has shown its image anew (an edit, a tool, undo, a file, a read).
    void imageShown();

private:
    void addReading(const varko::LiveReading& reading, std::optional<qint64> logTimeMs);
    void followOperatingPoint();
    void saveImage();

    MainWindow& window_;
    MainWindowUi& ui_;
    WindowLink& link_;
    QElapsedTimer clock_;
    qint64 lastReadingMs_ = -1;
    varko::PlotClock plotClock_;
    QTimer* pointPace_;
    FileDialog imageDialog_;
};

#pragma once
// The live plot and the advance-curve chart in the window: live readings go into the plot with
// the time they arrived (replayed ones with their log's spacing), the chart follows the map
// whenever the document's set changes, and the operating point on the chart follows the link at a
// modest pace while the chart is open.

#include "link/LiveHistory.h"
#include "ui/FileDialogs.h"

#include <QElapsedTimer>
#include <QObject>

class QMainWindow;
class QTimer;
class WindowLink;
struct MainWindowUi;
namespace varko {
class Document;
struct LiveReading;
} // namespace varko

class LiveCharts final : public QObject {
    Q_OBJECT
public:
    // The chart follows the document's set.
    LiveCharts(QMainWindow& window, MainWindowUi& ui, const varko::Document& document,
               WindowLink& link);

private:
    // The set changed (an edit, a tool, undo, a file, a read).
    void imageShown();
    void addReading(const varko::LiveReading& reading, std::optional<qint64> logTimeMs);
    void followOperatingPoint();
    void saveImage();

    QMainWindow& window_;
    MainWindowUi& ui_;
    const varko::Document& document_;
    WindowLink& link_;
    QElapsedTimer clock_;
    qint64 lastReadingMs_ = -1;
    varko::PlotClock plotClock_;
    QTimer* pointPace_;
    FileDialog imageDialog_;
};

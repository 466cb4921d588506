#pragma once
// The device link in the main window: owns the link engine and its tick timer, answers the engine's
// calls for the window (collect, normalize, show, messages), shows the link's status, the port
// menu, the live data and the operating point, and starts the transfers from the menu and the
// toolbar. The window's own state (image, settings, unit texts) stays the window's.

#include "document/Document.h"
#include "link/CellTime.h"
#include "link/LinkEngine.h"
#include "link/LiveMonitor.h"
#include "link/OperatingPoint.h"
#include "ui/LiveColumn.h"

#include <QObject>
#include <QString>
#include <array>
#include <memory>
#include <optional>

class QAction;
class QTimer;
class FormBinder;
class LiveRecording;
class LiveReplayDriver;
class ProgramBackup;
class QMainWindow;
class UnitComparison;
struct MainWindowUi;

class WindowLink final : public QObject, private varko::LinkOwner {
    Q_OBJECT
public:
    // The controls of ui must be built (control tables included).
    WindowLink(QMainWindow& window, MainWindowUi& ui, varko::Document& document, FormBinder& form);
    ~WindowLink() override;

    varko::LinkEngine& engine() { return *engine_; }
    const varko::LiveValues& live() const { return live_; }
    const varko::OperatingPoint& operatingPoint() const { return point_; }
    // The frames the engine spent at each map cell since the start or the last reset.
    const varko::CellTime& cellTime() const { return cellTime_; }
    void resetCellTime();
    // The unit as the history names it: firmware name and date as the unit last sent them, the
    // programming count as its live data last gave it.
    varko::UnitIdentity unitIdentity() const;

    // Programs the image as it is, without collecting the controls first (after the backup
    // before programming, when one is due).
    void startAutoProgram();
    // The set the next program sends: the document's as it is now.
    void takeSetToSend();
    // The settings have been loaded into the window.
    void showSettings();

    // The window closes: the tick stops and the port closes, so nothing more goes to the unit
    // (a transfer still running is abandoned); a recording ends, a replay stops.
    void closePort();

    // A live-data frame, from the unit or from a log, into the live values and the live column.
    void showLiveRecord(const varko::LiveRecord& record);
    // Marks the live operating point: the last step of every tick, and after replayed frames.
    void highlightOperatingPoint() override;
    // While a log replays, the link sends nothing and the status line says what the window shows
    // (the note); ending the replay gives the link back.
    void beginReplay();
    void showReplayNote(const QString& note);
    void endReplay();

    LiveRecording& recording() { return *recording_; }
    LiveReplayDriver& replay() { return *replay_; }

signals:
    // A transfer ended OK; started names it as it was started (a read or a program ends in a
    // verify of its own).
    void transferSucceeded(varko::TransferMode started);
    // A valid live-data frame arrived (or was replayed), as numbers.
    // logTimeMs: the reading's time in its log while replaying; nullopt for a live one.
    void readingDecoded(const varko::LiveReading& reading, std::optional<qint64> logTimeMs);
    // Every transfer of the window's own set as it ended, well or not (for whoever keeps count).
    void transferFinished(varko::TransferMode started, varko::TransferResult result);
    // The unit's set has been read for the compare view, named as the view's title names it.
    void unitSetToCompare(const varko::ParamImage& unitSet, const QString& name);

private:
    void collectImage() override;
    void normalize() override;
    void showImage() override;
    void showMessage(const varko::LinkMessage& message) override;
    void linkStatusChanged(const varko::LinkStatus& status) override;
    void readStarted() override;
    void transferEnded(varko::TransferMode started, varko::TransferResult result) override;
    void copyReadEnded(varko::TransferResult result,
                       const std::optional<varko::ParamImage>& unitSet) override;
    void onMonitorFrame(const varko::LinkFrame& frame) override;

    // Where the live values put the engine on the map.
    varko::OperatingPoint livePoint() const;
    void buildPortMenu();
    // Everything that would talk to the unit, on or off.
    void enableUnitActions(bool enabled);
    void showPortMenu(const varko::PortMenu& menu);
    void connectTransfers();

    QMainWindow& window_;
    MainWindowUi& ui_;
    varko::Document& document_;
    FormBinder& form_;
    // What the engine sends, verifies and reads into; the document's set is never sent while
    // the user goes on editing it.
    varko::ParamImage linkImage_;
    std::unique_ptr<varko::LinkEngine> engine_;
    LiveColumn column_;
    std::array<QAction*, varko::kPortCount> portItems_{};
    QTimer* tickTimer_;
    varko::LiveValues live_;
    varko::OperatingPoint point_;
    varko::CellTime cellTime_;
    ProgramBackup* backup_;
    UnitComparison* unitComparison_;
    LiveRecording* recording_;
    LiveReplayDriver* replay_;
    bool closed_ = false;
};

#pragma once
// The device link in the main window: owns the unit session (the link engine and its tick
// timer), starts the operations on the unit from the menu and the toolbar, and shows the link's
// status, the port menu, the live data and the operating point. The set it sends and receives is
// the document's; what this class needs of it and of the form is gathered at the end of
// WindowLink.cpp.

#include "link/CellTime.h"
#include "link/LiveMonitor.h"
#include "link/OperatingPoint.h"
#include "link/UnitSession.h"
#include "ui/LiveColumn.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>

class FormBinder;
class QAction;
class QMainWindow;
class LiveRecording;
class LiveReplayDriver;
class ProgramBackup;
class UnitComparison;
struct MainWindowUi;
namespace varko {
class Document;
}

class WindowLink final : public QObject {
    Q_OBJECT
public:
    // The controls of ui must be built (control tables included).
    WindowLink(QMainWindow& window, MainWindowUi& ui, varko::Document& document, FormBinder& form);
    ~WindowLink() override;

    varko::LinkEngine& engine() { return session_->engine(); }
    const varko::LiveValues& live() const { return live_; }
    const varko::OperatingPoint& operatingPoint() const { return point_; }
    // The frames the engine spent at each map cell since the start or the last reset.
    const varko::CellTime& cellTime() const { return cellTime_; }
    void resetCellTime();
    // The unit as the history names it (UnitSession::unitIdentity).
    varko::UnitIdentity unitIdentity() const { return session_->unitIdentity(); }

    // Programs the document's set as it is, without committing the controls first (after the
    // backup before programming, when one is due).
    void startAutoProgram();
    // The settings have been loaded into the window.
    void showSettings();

    // The window closes: the tick stops and the port closes, so nothing more goes to the unit
    // (a transfer still running is abandoned); a recording ends, a replay stops.
    void closePort();

    // A live-data frame, from the unit or from a log, into the live values and the live column.
    void showLiveRecord(const varko::LiveRecord& record);
    // Marks the live operating point: the last step of every tick, and after replayed frames.
    void highlightOperatingPoint();
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
    // The unit's set has been read for the compare view, under the name the view's title gives.
    void unitSetToCompare(const varko::ParamImage& unitSet, const QString& name);
    // The unit answers no more: the connection was lost, or the window closes.
    void unitGone();

private:
    void startRead();
    void startVerify();
    void startProgram();
    void program(const varko::ParamImage& image);
    void readEnded(varko::TransferResult result, bool unitSetArrived);
    // unitSetArrived: a read brought the unit's set (also when its verify then failed).
    void transferEnded(varko::TransferMode started, varko::TransferResult result,
                       bool unitSetArrived = false);
    void showMessage(const varko::LinkMessage& message);
    void showStatus(const varko::LinkStatus& status);
    void onMonitorFrame(const varko::LinkFrame& frame);
    void forgetLiveValues();

    // Where the live values put the engine on the map.
    varko::OperatingPoint livePoint() const;
    void buildPortMenu();
    // Everything that would talk to the unit, on or off.
    void enableUnitActions(bool enabled);
    void showPortMenu(const varko::PortMenu& menu);
    void connectTransfers();

    // What the controls hold, taken into the document's set (brought into range and shown):
    // what Program and Verify send.
    const varko::ParamImage& committedImage();
    // The document's set brought into range and shown with the unit's texts as it last sent
    // them; unitSet first replaces it when given.
    void showWithUnitTexts(const std::optional<varko::ParamImage>& unitSet = std::nullopt);
    // A read's set passes through the controls once, as an opened file does; the set it brought
    // is then one undo step.
    void settleReadImage(bool unitSetArrived);

    QMainWindow& window_;
    MainWindowUi& ui_;
    varko::Document& document_;
    FormBinder& form_;
    varko::UnitSession* session_;
    LiveColumn column_;
    std::array<QAction*, varko::kPortCount> portItems_{};
    varko::LiveValues live_;
    varko::OperatingPoint point_;
    varko::CellTime cellTime_;
    ProgramBackup* backup_;
    UnitComparison* unitComparison_;
    LiveRecording* recording_;
    LiveReplayDriver* replay_;
    bool closed_ = false;
};

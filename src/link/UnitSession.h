#pragma once
// The unit as the window and the command line act on it: owns the link engine and the timer that
// ticks it, starts every action on the unit as an operation and passes on, as signals, what the
// link has to show. The caller hands over the image to send; the session never reaches back for
// it. One operation runs at a time: a start replaces the running one, whose transfer goes without
// a word from the link, and which ends with finished(Abandoned) once the new one has begun.

#include "link/BackupThenProgram.h"
#include "link/LinkEngine.h"
#include "link/UnitOperation.h"
#include "storage/History.h"

#include <QObject>
#include <QTimer>
#include <memory>

namespace varko {

class UnitSession final : public QObject, private LinkOwner {
    Q_OBJECT
public:
    // settings: the owner's port choice, scan position and language, which the link reads and
    // changes in place; they outlive the session.
    UnitSession(WindowSettings& settings, std::unique_ptr<SerialPort> port,
                QObject* parent = nullptr);

    // The link itself: its port, status line and counters. Transfers start here, not there.
    LinkEngine& engine() { return engine_; }
    const LinkEngine& engine() const { return engine_; }

    // The timer that ticks the link (precise, kTickMs), set up and connected; the owner starts
    // and stops it.
    QTimer& tickTimer() { return *timer_; }
    // One tick of the link, as the timer gives it: the engine's tick, then tickEnded.
    void tick();

    // Each starts its transfer at once and returns the operation, a child of the session. Never
    // from inside a slot of a signal the link sends during a tick (queue the start instead), nor
    // of the finished(Abandoned) that a start sends.
    UnitOperation* read();
    // startText (a message number) shows on the status line in colour while it runs.
    UnitOperation* copyRead(int startText, StatusColour colour = StatusColour::Normal);
    UnitOperation* program(const ParamImage& image);
    UnitOperation* verify(const ParamImage& image);
    // openFile names the file the history's entry for the backup mentions.
    BackupThenProgram* backupThenProgram(const ParamImage& image, const QString& openFile);

    // The unit as the history names it: its firmware name and date as the unit last sent them,
    // the programming count as its live data last gave it (not known from the end of a program
    // until the next live data).
    UnitIdentity unitIdentity() const;

signals:
    void statusChanged(const varko::LinkStatus& status);
    // Show a modal box once the signal has returned, then call engine().messageBoxClosed with
    // the same kind.
    void messageToShow(const varko::LinkMessage& message);
    // A live-data frame with a valid check byte, in every transfer mode.
    void monitorFrame(const varko::LinkFrame& frame);
    // The last step of every tick.
    void tickEnded();

private:
    friend class UnitOperation;

    void showMessage(const LinkMessage& message) override;
    void linkStatusChanged(const LinkStatus& status) override;
    void onMonitorFrame(const LinkFrame& frame) override;
    void unitAnswered() override;
    void unitSetArrived(const ParamImage& asSent, const ParamImage& inRange) override;
    void transferEnded(TransferMode started, TransferResult result,
                       const std::optional<ParamImage>& unitSet) override;

    // The operation that runs from now on, its transfer begun by start; the one it replaces
    // ends as abandoned.
    template <typename Operation, typename Start>
    Operation* run(Operation* operation, const Start& start);
    void reportProgress();

    LinkEngine engine_;
    QTimer* timer_;
    UnitOperation* running_ = nullptr;
    int programCount_ = -1; // from the last live data; -1 while none came since a program
};

} // namespace varko

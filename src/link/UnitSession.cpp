#include "link/UnitSession.h"

#include "link/MonitorFrame.h"
#include "link/TickTimer.h"
#include "model/Messages.h"

#include <utility>

namespace varko {

UnitSession::UnitSession(WindowSettings& settings, std::unique_ptr<SerialPort> port,
                         QObject* parent)
    : QObject(parent), engine_(settings, *this, std::move(port)), timer_(new QTimer(this)) {
    setUpTickTimer(*timer_);
    connect(timer_, &QTimer::timeout, this, &UnitSession::tick);
}

void UnitSession::tick() {
    engine_.tick();
    emit tickEnded();
}

template <typename Operation, typename Start>
Operation* UnitSession::run(Operation* operation, const Start& start) {
    UnitOperation* replaced = std::exchange(running_, operation);
    start();
    // Told once the new transfer has begun: whoever hears it finds the link as it now is.
    if (replaced)
        replaced->abandon();
    return operation;
}

UnitOperation* UnitSession::read() {
    return run(new UnitOperation(*this), [this] { engine_.startRead(); });
}

UnitOperation* UnitSession::copyRead(int startText, StatusColour colour) {
    return run(new UnitOperation(*this), [&] { engine_.startCopyRead(startText, colour); });
}

UnitOperation* UnitSession::program(const ParamImage& image) {
    return run(new UnitOperation(*this), [&] { engine_.startProgram(image); });
}

UnitOperation* UnitSession::verify(const ParamImage& image) {
    return run(new UnitOperation(*this), [&] { engine_.startVerify(image); });
}

BackupThenProgram* UnitSession::backupThenProgram(const ParamImage& image,
                                                  const QString& openFile) {
    return run(new BackupThenProgram(*this, image, openFile),
               [this] { engine_.startCopyRead(Msg::backupRead); });
}

UnitIdentity UnitSession::unitIdentity() const {
    return unitIdentityOf(engine_.deviceTexts(), programCount_);
}

void UnitSession::showMessage(const LinkMessage& message) {
    emit messageToShow(message);
}

void UnitSession::linkStatusChanged(const LinkStatus& status) {
    emit statusChanged(status);
    // While idle, the gauge counts the unit's saving, not an operation.
    if (engine_.state().transferMode() != TransferMode::Idle)
        reportProgress();
}

void UnitSession::reportProgress() {
    if (running_)
        running_->reportProgress(engine_.status().gaugePosition, engine_.status().gaugeMaximum);
}

void UnitSession::onMonitorFrame(const LinkFrame& frame) {
    programCount_ = parseMonitorFrame(frame).programCount;
    emit monitorFrame(frame);
}

void UnitSession::unitAnswered() {
    if (running_)
        emit running_->unitAnswered();
}

void UnitSession::unitSetArrived(const ParamImage& asSent, const ParamImage& inRange) {
    if (!running_)
        return;
    running_->arrived_ = inRange;
    emit running_->unitSetArrived(asSent, inRange);
}

void UnitSession::transferEnded(TransferMode started, TransferResult result,
                                const std::optional<ParamImage>& unitSet) {
    // A program may have stored, and the unit counts its stores: the count before is no longer
    // the unit's, and the next live data gives the one after.
    if (started == TransferMode::Program)
        programCount_ = -1;
    if (!running_)
        return;
    // The gauge's last step is published only after the end; the operation hears it before.
    reportProgress();
    running_->transferEnded(result, unitSet);
}

} // namespace varko

#include "link/LinkEngine.h"

#include "link/LiveMonitor.h"
#include "model/ImageDiff.h"
#include "model/Messages.h"

#include <algorithm>

namespace varko {

LinkEngine::LinkEngine(WindowSettings& settings, LinkOwner& owner, std::unique_ptr<SerialPort> port)
    : settings_(settings), owner_(owner), port_(std::move(port)), resolver_(portDevicePath) {
    status_.portMenu = buildPortMenu(settings_.portSelection);
    published_ = status_;
}

void LinkEngine::setPortResolver(PortResolver resolver) {
    resolver_ = std::move(resolver);
}

QString LinkEngine::localizedText(int message) const {
    return messageText(message, settings_.language);
}

void LinkEngine::publish() {
    if (status_ == published_)
        return;
    published_ = status_;
    owner_.linkStatusChanged(status_);
}

// Told even when nothing changed here, so the owner's widgets show the status whatever the
// window did to them meanwhile.
void LinkEngine::publishAlways() {
    published_ = status_;
    owner_.linkStatusChanged(status_);
}

// ---- port ------------------------------------------------------------------------------------

void LinkEngine::openPort() {
    const bool scanning = settings_.portSelection == kPortAuto;
    const int number = scanning ? settings_.scanIndex + 1 : settings_.portSelection + 1;
    status_.comLabel = QStringLiteral("COM= COM%1").arg(number);

    const QString device = resolver_(number);
    const PortError error = port_->open(device);
    if (error != PortError::None) {
        if (!state_.quietOpen && !scanning) {
            QString text = localizedText(Msg::comOpeningError);
            const QString advice = portErrorAdvice(error, device);
            if (!advice.isEmpty())
                text += QStringLiteral("\n\n") + advice;
            owner_.showMessage({LinkMessageKind::ComOpeningError, text});
        }
        if (scanning)
            state_.reconnectTicks = LinkLimits::failedScanReopen;
    }
    status_.portMenu = buildPortMenu(settings_.portSelection);
    publish();
}

void LinkEngine::closePort() {
    port_->close();
}

void LinkEngine::selectPort(int index) {
    if (index < 0 || index >= kPortCount)
        return;
    settings_.portSelection = static_cast<std::uint8_t>(index);
    portChanged_ = true;
    closePort();
    state_.quietOpen = false;
    openPort();
}

void LinkEngine::pollPort() {
    const int waiting = port_->bytesWaiting();
    if (waiting < 0) {
        // The device has gone; the watchdog re-opens the port once the unit stays silent.
        closePort();
        return;
    }
    if (waiting < kFrameSize)
        return;
    const int received = port_->read(receiveBuffer_);
    if (received < 0) {
        closePort();
        return;
    }
    if (received < kFrameSize)
        return;
    // Only the first frame of a read counts; whatever came with it is dropped.
    LinkFrame frame;
    std::copy_n(receiveBuffer_.begin(), kFrameSize, frame.bytes.begin());
    if (frame.command() == Command::monitorReply) {
        if (!checkByteValid(frame))
            return;
        heardFromUnit();
        owner_.onMonitorFrame(frame);
    } else {
        handleReply(frame);
    }
}

void LinkEngine::writeFrame(const LinkFrame& frame) {
    // A failed or timed-out write is a lost frame: the re-send and the watchdog deal with it,
    // and the next poll closes a port whose device has gone.
    if (port_->isOpen())
        port_->write(frame.bytes);
}

void LinkEngine::sendBlockFrame() {
    state_.ticksSinceSend = 0;
    writeFrame(buildBlockFrame(requestCommand(state_.step), transferModeOf(state_.step), image_));
}

void LinkEngine::sendIdleFrame() {
    writeFrame(buildIdleFrame());
}

// ---- tick ------------------------------------------------------------------------------------

void LinkEngine::tick() {
    pollPort();
    if (state_.step == TransferStep::Idle)
        paceIdle();
    else
        paceTransfer();
    showStatusDisplay();
    watchConnection();
    publish();
}

void LinkEngine::paceTransfer() {
    const TransferMode mode = state_.transferMode();
    if (++state_.ticksSinceSend < LinkLimits::resendTicks)
        return;
    state_.ticksSinceSend = 0;
    if (++state_.sendAttempts <= LinkLimits::maxSends) {
        sendBlockFrame();
        return;
    }
    int message = Msg::readError;
    TransferResult result = TransferResult::ReadError;
    if (mode == TransferMode::Program) {
        message = Msg::programError;
        result = TransferResult::ProgramError;
    } else if (mode == TransferMode::Verify) {
        message = Msg::verifyError;
        result = TransferResult::VerifyError;
        state_.programmedOk = false;
    }
    showStatus(localizedText(message), StatusColour::Red);
    endTransfer(result);
}

void LinkEngine::paceIdle() {
    if (++state_.ticksSinceSend >= LinkLimits::idleRequestTicks) {
        state_.ticksSinceSend = 0;
        sendIdleFrame();
    }
    if (state_.unitSavingCount > 0 && state_.savingShown) {
        showStatus(localizedText(Msg::saving), StatusColour::Normal);
        // A count above the scale would give a negative share: the gauge then stands at 0.
        const int share =
            100 * (LinkLimits::savingScale - int(state_.unitSavingCount)) / LinkLimits::savingScale;
        setGauge(share, 100);
    } else {
        status_.gaugeMaximum = 2;
        if (state_.programmedOk) {
            status_.statusText = localizedText(Msg::programDevice) + QStringLiteral(": OK");
            status_.gaugePosition = status_.gaugeMaximum;
        }
        setGauge(status_.gaugePosition, status_.gaugeMaximum);
    }
}

void LinkEngine::showStatusDisplay() {
    if (state_.statusTicks > 0) {
        --state_.statusTicks;
        status_.statusVisible = !state_.printing;
    } else {
        status_.statusVisible = false;
        status_.gaugeVisible = false;
        state_.programmedOk = false;
    }
}

void LinkEngine::watchConnection() {
    if (state_.silentTicks < LinkLimits::silentLimit) {
        ++state_.silentTicks;
        status_.connectionVisible = false;
        return;
    }
    status_.connectionVisible = !state_.printing;
    if (++state_.reconnectTicks >= LinkLimits::reopenTicks)
        reconnect();
}

// Whatever the unit was, it may be another one now: after a silence or on another port.
void LinkEngine::heardFromUnit() {
    if (state_.silentTicks >= LinkLimits::silentLimit || portChanged_)
        ++state_.connection;
    portChanged_ = false;
    state_.silentTicks = 0;
    ++state_.framesAccepted;
}

void LinkEngine::reconnect() {
    state_.reconnectTicks = 0;
    closePort();
    state_.quietOpen = true;
    settings_.scanIndex = settings_.scanIndex >= kPortAuto ? 0 : settings_.scanIndex + 1;
    openPort();
}

// ---- transfers -------------------------------------------------------------------------------

void LinkEngine::showStatus(const QString& text, StatusColour colour) {
    status_.statusText = text;
    status_.statusColour = colour;
    state_.statusTicks = LinkLimits::statusTicks;
}

void LinkEngine::showStatusMessage(int message, StatusColour colour) {
    showStatus(localizedText(message), colour);
    status_.statusVisible = !state_.printing;
    publish();
}

void LinkEngine::hideStatus() {
    status_.statusVisible = false;
    status_.gaugeVisible = false;
    publishAlways();
}

LinkEngine::StatusLine LinkEngine::showPrintStamp(const QString& stamp) {
    const StatusLine before{status_, state_.statusTicks};
    showStatus(stamp, StatusColour::Normal);
    status_.statusVisible = true;
    status_.connectionVisible = false;
    status_.gaugeVisible = false;
    publishAlways();
    return before;
}

void LinkEngine::restoreStatusLine(const StatusLine& before) {
    status_.statusText = before.status.statusText;
    status_.statusColour = before.status.statusColour;
    status_.statusVisible = before.status.statusVisible;
    status_.connectionVisible = before.status.connectionVisible;
    status_.gaugeVisible = before.status.gaugeVisible;
    state_.statusTicks = before.statusTicks;
    publishAlways();
}

void LinkEngine::setGauge(int position, int maximum) {
    status_.gaugeMaximum = maximum;
    status_.gaugePosition = std::clamp(position, 0, maximum);
}

void LinkEngine::beginTransfer(TransferStep first, int startText, StatusColour colour) {
    // The transfer begun owns the status line: neither an earlier program's OK nor the saving
    // that program began may replace its result.
    state_.programmedOk = false;
    state_.savingShown = transferModeOf(first) == TransferMode::Program;
    state_.step = first;
    state_.copyRead = false;
    unitSetArrived_ = false;
    startedMode_ = transferModeOf(first);
    state_.sendAttempts = 0;
    showStatus(localizedText(startText), colour);
    status_.statusVisible = true;
    setGauge(0, status_.gaugeMaximum);
    status_.gaugeVisible = true;
    publish();
}

void LinkEngine::startRead() {
    beginTransfer(TransferStep::ReadBlock0, Msg::read);
}

void LinkEngine::startCopyRead(int startText, StatusColour colour) {
    beginTransfer(TransferStep::ReadBlock0, startText, colour);
    state_.copyRead = true;
}

void LinkEngine::startVerify(const ParamImage& image) {
    image_ = image;
    beginTransfer(TransferStep::VerifyBlock1, Msg::verify);
}

void LinkEngine::startProgram(const ParamImage& image) {
    image_ = image;
    beginTransfer(TransferStep::ProgramBlock0, Msg::programDevice);
}

void LinkEngine::messageBoxClosed(LinkMessageKind kind) {
    if (kind == LinkMessageKind::VersionMismatch)
        state_.statusTicks = 0;
    publish();
}

bool LinkEngine::acceptReply(const LinkFrame& frame) {
    if (!checkByteValid(frame))
        return false;
    if (state_.step == TransferStep::Idle)
        return false;
    if (frame.command() != (requestCommand(state_.step) ^ Command::replyBit))
        return false;
    heardFromUnit();
    return true;
}

void LinkEngine::handleReply(const LinkFrame& frame) {
    if (!acceptReply(frame))
        return;
    switch (state_.transferMode()) {
    case TransferMode::Read:
        replyToRead(frame);
        break;
    case TransferMode::Program:
        replyToProgram(frame);
        break;
    case TransferMode::Verify:
        replyToVerify(frame);
        break;
    case TransferMode::Idle:
        break;
    }
}

void LinkEngine::keepDeviceInfo(const LinkFrame& frame) {
    std::copy(frame.data().begin(), frame.data().end(), deviceInfo_.bytes.begin());
    deviceTexts_ = decodeDeviceInfo(deviceInfo_);
}

bool LinkEngine::stopOnOtherVersion() {
    if (deviceInfo_.protocolVersion() == kProtocolVersion)
        return false;
    // Idle before the box opens, so the ticks that run while it is open send live requests.
    state_.step = TransferStep::Idle;
    owner_.showMessage({LinkMessageKind::VersionMismatch,
                        versionMismatchText(deviceInfo_.protocolVersion(), settings_.language)});
    endTransfer(TransferResult::VersionMismatch);
    return true;
}

void LinkEngine::replyToRead(const LinkFrame& frame) {
    switch (blockOf(state_.step)) {
    case 0:
        keepDeviceInfo(frame);
        owner_.unitAnswered();
        if (stopOnOtherVersion())
            return;
        if (!deviceInfo_.readAllowed()) {
            showStatus(localizedText(Msg::noReading), StatusColour::Red);
            endTransfer(TransferResult::NoReading);
            return;
        }
        nextBlock();
        return;
    case 1:
        std::copy(frame.data().begin(), frame.data().end(), stagedBlock1_.begin());
        nextBlock();
        return;
    default:
        std::copy(stagedBlock1_.begin(), stagedBlock1_.end(), image_.block(1).begin());
        std::copy(frame.data().begin(), frame.data().end(), image_.block(2).begin());
        unitSetArrived_ = true;
        if (state_.copyRead) {
            setGauge(status_.gaugeMaximum, status_.gaugeMaximum);
            endTransfer(TransferResult::Ok);
            return;
        }
        bringReadSetIntoRange();
        verifyWhatWasSent();
        return;
    }
}

// The read's verify then compares the set as brought into range, which the owner is given.
void LinkEngine::bringReadSetIntoRange() {
    const ParamImage asSent = image_;
    normalize(image_, settings_);
    owner_.unitSetArrived(asSent, image_);
}

void LinkEngine::replyToProgram(const LinkFrame& frame) {
    const int block = blockOf(state_.step);
    if (block == 0) {
        keepDeviceInfo(frame);
        // What goes out is in range, whatever the owner handed over.
        normalize(image_, settings_);
        owner_.unitAnswered();
        if (!stopOnOtherVersion())
            nextBlock();
        return;
    }
    if (!std::ranges::equal(frame.data(), image_.block(block)))
        return; // the unit did not store what was sent: re-sent by the tick
    if (block == 1) {
        nextBlock();
        return;
    }
    state_.programmedOk = true;
    verifyWhatWasSent();
}

void LinkEngine::replyToVerify(const LinkFrame& frame) {
    const int block = blockOf(state_.step);
    const auto expected = image_.block(block);
    for (int k = 0; k < kBlockSize; ++k) {
        if (verifyCompares((block - 1) * kBlockSize + k) && frame.data()[k] != expected[k])
            return; // differs: re-sent by the tick, "Verify error!" after the last send
    }
    if (block == 1) {
        nextBlock();
        return;
    }
    setGauge(status_.gaugeMaximum, status_.gaugeMaximum);
    showStatus(localizedText(Msg::verify) + QStringLiteral(": OK"), StatusColour::Normal);
    endTransfer(TransferResult::Ok);
}

void LinkEngine::nextBlock() {
    setGauge(status_.gaugePosition + 1, status_.gaugeMaximum);
    state_.step = nextStep(state_.step);
    state_.sendAttempts = 1;
    sendBlockFrame();
}

void LinkEngine::verifyWhatWasSent() {
    state_.step = TransferStep::VerifyBlock1;
    state_.sendAttempts = 1;
    sendBlockFrame();
    showStatus(localizedText(Msg::verify) + QStringLiteral(":"), StatusColour::Normal);
    status_.statusVisible = true;
    setGauge(0, status_.gaugeMaximum);
}

void LinkEngine::endTransfer(TransferResult result) {
    state_.step = TransferStep::Idle;
    owner_.transferEnded(startedMode_, result,
                         unitSetArrived_ ? std::optional<ParamImage>(image_) : std::nullopt);
    state_.copyRead = false;
}

} // namespace varko

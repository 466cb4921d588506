#include "link/LinkEngine.h"

#include "link/LiveMonitor.h"
#include "model/Messages.h"

#include <algorithm>

namespace varko {

LinkEngine::LinkEngine(ParamImage& image, WindowSettings& settings, LinkOwner& owner,
                       std::unique_ptr<SerialPort> port)
    : image_(image), settings_(settings), owner_(owner), port_(std::move(port)),
      resolver_(PortDevicePath) {
    status_.portMenu = BuildPortMenu(settings_.portSelection);
    published_ = status_;
}

void LinkEngine::SetPortResolver(PortResolver resolver) {
    resolver_ = std::move(resolver);
}

QString LinkEngine::Text(int message) const {
    return MessageText(message, settings_.language);
}

void LinkEngine::Publish() {
    if (status_ == published_)
        return;
    published_ = status_;
    owner_.LinkStatusChanged(status_);
}

// ---- port ------------------------------------------------------------------------------------

void LinkEngine::OpenComPort() {
    const bool scanning = settings_.portSelection == kPortAuto;
    const int number = scanning ? settings_.scanIndex + 1 : settings_.portSelection + 1;
    status_.comLabel = QStringLiteral("COM= COM%1").arg(number);

    const QString device = resolver_(number);
    const PortError error = port_->open(device);
    if (error != PortError::None) {
        if (!state_.quietOpen && !scanning) {
            QString text = Text(Msg::comOpeningError);
            const QString advice = PortErrorAdvice(error, device);
            if (!advice.isEmpty())
                text += QStringLiteral("\n\n") + advice;
            owner_.ShowMessage({LinkMessageKind::ComOpeningError, text});
        }
        if (scanning)
            state_.reconnectTicks = LinkLimits::failedScanReopen;
    }
    status_.portMenu = BuildPortMenu(settings_.portSelection);
    Publish();
}

void LinkEngine::CloseComPort() {
    port_->close();
}

void LinkEngine::MenuCom1Click(int index) {
    if (index < 0 || index >= kPortCount)
        return;
    settings_.portSelection = static_cast<std::uint8_t>(index);
    CloseComPort();
    state_.quietOpen = false;
    OpenComPort();
}

void LinkEngine::PollComPort() {
    const int waiting = port_->bytesWaiting();
    if (waiting < 0) {
        // The device has gone; the watchdog re-opens the port once the unit stays silent.
        CloseComPort();
        return;
    }
    if (waiting < kFrameSize)
        return;
    const int received = port_->read(receiveBuffer_);
    if (received < 0) {
        CloseComPort();
        return;
    }
    if (received < kFrameSize)
        return;
    // Only the first frame of a read counts; whatever came with it is dropped.
    LinkFrame frame;
    std::copy_n(receiveBuffer_.begin(), kFrameSize, frame.bytes.begin());
    if (frame.command() == Command::monitorReply) {
        if (!CheckByteValid(frame))
            return;
        state_.silentTicks = 0;
        owner_.onMonitorFrame(frame);
    } else {
        HandleReply(frame);
    }
}

void LinkEngine::WriteFrame(const LinkFrame& frame) {
    // A failed or timed-out write is a lost frame: the re-send and the watchdog deal with it,
    // and the next poll closes a port whose device has gone.
    if (port_->isOpen())
        port_->write(frame.bytes);
}

void LinkEngine::SendBlockFrame() {
    state_.ticksSinceSend = 0;
    state_.currentBlock = state_.currentCommand & Command::blockMask;
    WriteFrame(BuildBlockFrame(state_.currentCommand, state_.transferMode, image_));
}

void LinkEngine::SendIdleFrame() {
    WriteFrame(BuildIdleFrame());
}

// ---- tick ------------------------------------------------------------------------------------

void LinkEngine::Timer1Timer() {
    PollComPort();
    if (state_.transferMode == TransferMode::Idle)
        PaceIdle();
    else
        PaceTransfer();
    ShowStatusDisplay();
    WatchConnection();
    Publish();
    owner_.HighlightOperatingPoint();
}

void LinkEngine::PaceTransfer() {
    const TransferMode mode = state_.transferMode;
    if (mode == TransferMode::Read)
        state_.programmedOk = false;
    if (++state_.ticksSinceSend < LinkLimits::resendTicks)
        return;
    state_.ticksSinceSend = 0;
    if (++state_.sendAttempts <= LinkLimits::maxSends) {
        SendBlockFrame();
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
    ShowStatus(Text(message), StatusColour::Red);
    EndTransfer(result);
}

void LinkEngine::PaceIdle() {
    if (++state_.ticksSinceSend >= LinkLimits::idleRequestTicks) {
        state_.ticksSinceSend = 0;
        SendIdleFrame();
    }
    if (state_.unitSavingCount > 0) {
        ShowStatus(Text(Msg::saving), StatusColour::Normal);
        // A count above the scale would give a negative share: the gauge then stands at 0.
        const int share =
            100 * (LinkLimits::savingScale - int(state_.unitSavingCount)) / LinkLimits::savingScale;
        SetGauge(share, 100);
    } else {
        status_.gaugeMaximum = 2;
        if (state_.programmedOk) {
            status_.statusText = Text(Msg::programDevice) + QStringLiteral(": OK");
            status_.gaugePosition = status_.gaugeMaximum;
        }
        SetGauge(status_.gaugePosition, status_.gaugeMaximum);
    }
}

void LinkEngine::ShowStatusDisplay() {
    if (state_.statusTicks > 0) {
        --state_.statusTicks;
        status_.statusVisible = !state_.printing;
    } else {
        status_.statusVisible = false;
        status_.gaugeVisible = false;
        state_.programmedOk = false;
    }
}

void LinkEngine::WatchConnection() {
    if (state_.silentTicks < LinkLimits::silentLimit) {
        ++state_.silentTicks;
        status_.connectionVisible = false;
        return;
    }
    status_.connectionVisible = !state_.printing;
    if (++state_.reconnectTicks >= LinkLimits::reopenTicks)
        Reconnect();
}

void LinkEngine::Reconnect() {
    state_.reconnectTicks = 0;
    CloseComPort();
    state_.quietOpen = true;
    settings_.scanIndex = settings_.scanIndex >= kPortAuto ? 0 : settings_.scanIndex + 1;
    OpenComPort();
}

// ---- transfers -------------------------------------------------------------------------------

void LinkEngine::ShowStatus(const QString& text, StatusColour colour) {
    status_.statusText = text;
    status_.statusColour = colour;
    state_.statusTicks = LinkLimits::statusTicks;
}

void LinkEngine::HideStatus() {
    status_.statusVisible = false;
    status_.gaugeVisible = false;
    // Told even when nothing changed here, so the owner's widgets are hidden whatever they show.
    published_ = status_;
    owner_.LinkStatusChanged(status_);
}

void LinkEngine::SetGauge(int position, int maximum) {
    status_.gaugeMaximum = maximum;
    status_.gaugePosition = std::clamp(position, 0, maximum);
}

void LinkEngine::StartTransfer(TransferMode mode, std::uint8_t command, int startText) {
    state_.transferMode = mode;
    state_.currentCommand = command;
    state_.sendAttempts = 0;
    ShowStatus(Text(startText), StatusColour::Normal);
    status_.statusVisible = true;
    SetGauge(0, status_.gaugeMaximum);
    status_.gaugeVisible = true;
    Publish();
}

void LinkEngine::MenuReadClick() {
    owner_.ReadStarted();
    StartTransfer(TransferMode::Read, Command::readBlock0, Msg::read);
}

void LinkEngine::MenuVerifyClick() {
    owner_.CollectImage();
    owner_.Normalize();
    owner_.ShowImage();
    StartTransfer(TransferMode::Verify, Command::readBlock1, Msg::verify);
}

void LinkEngine::MenuProgramClick() {
    owner_.CollectImage();
    owner_.Normalize();
    owner_.ShowImage();
    StartAutoProgram();
}

void LinkEngine::StartAutoProgram() {
    state_.programmedOk = false;
    StartTransfer(TransferMode::Program, Command::writeBlock0, Msg::programDevice);
}

void LinkEngine::MenuTransferClick(TransferMode mode) {
    switch (mode) {
    case TransferMode::Read:
        MenuReadClick();
        break;
    case TransferMode::Program:
        MenuProgramClick();
        break;
    case TransferMode::Verify:
        MenuVerifyClick();
        break;
    case TransferMode::Idle:
        break;
    }
}

void LinkEngine::MessageBoxClosed(LinkMessageKind kind) {
    if (kind == LinkMessageKind::VersionMismatch)
        state_.statusTicks = 0;
    Publish();
}

bool LinkEngine::AcceptReply(const LinkFrame& frame) {
    if (!CheckByteValid(frame))
        return false;
    state_.currentBlock = state_.currentCommand & Command::blockMask;
    if (state_.currentBlock > 2)
        return false;
    if (frame.command() != (state_.currentCommand ^ Command::replyBit))
        return false;
    if (state_.transferMode == TransferMode::Idle)
        return false;
    state_.silentTicks = 0;
    return true;
}

void LinkEngine::HandleReply(const LinkFrame& frame) {
    if (!AcceptReply(frame))
        return;
    switch (state_.transferMode) {
    case TransferMode::Read:
        ReplyToRead(frame);
        break;
    case TransferMode::Program:
        ReplyToProgram(frame);
        break;
    case TransferMode::Verify:
        ReplyToVerify(frame);
        break;
    case TransferMode::Idle:
        break;
    }
}

void LinkEngine::KeepDeviceInfo(const LinkFrame& frame) {
    std::copy(frame.data().begin(), frame.data().end(), deviceInfo_.bytes.begin());
    deviceTexts_ = DecodeDeviceInfo(deviceInfo_);
}

bool LinkEngine::StopOnOtherVersion() {
    if (deviceInfo_.protocolVersion() == kProtocolVersion)
        return false;
    // Idle before the box opens, so the ticks that run while it is open send live requests.
    state_.transferMode = TransferMode::Idle;
    owner_.Normalize();
    owner_.ShowImage();
    owner_.ShowMessage({LinkMessageKind::VersionMismatch,
                        VersionMismatchText(deviceInfo_.protocolVersion(), settings_.language)});
    EndTransfer(TransferResult::VersionMismatch);
    return true;
}

void LinkEngine::ReplyToRead(const LinkFrame& frame) {
    switch (state_.currentBlock) {
    case 0:
        KeepDeviceInfo(frame);
        if (StopOnOtherVersion())
            return;
        if (!deviceInfo_.readAllowed()) {
            ShowStatus(Text(Msg::noReading), StatusColour::Red);
            owner_.Normalize();
            owner_.ShowImage();
            EndTransfer(TransferResult::NoReading);
            return;
        }
        NextBlock();
        return;
    case 1:
        std::copy(frame.data().begin(), frame.data().end(), stagedBlock1_.begin());
        NextBlock();
        return;
    default:
        std::copy(stagedBlock1_.begin(), stagedBlock1_.end(), image_.block(1).begin());
        std::copy(frame.data().begin(), frame.data().end(), image_.block(2).begin());
        owner_.Normalize();
        owner_.ShowImage();
        VerifyWhatWasSent();
        return;
    }
}

void LinkEngine::ReplyToProgram(const LinkFrame& frame) {
    const int block = state_.currentBlock;
    if (block == 0) {
        KeepDeviceInfo(frame);
        owner_.Normalize();
        owner_.ShowImage();
        if (!StopOnOtherVersion())
            NextBlock();
        return;
    }
    if (!std::ranges::equal(frame.data(), image_.block(block)))
        return; // the unit did not store what was sent: re-sent by the tick
    if (block == 1) {
        NextBlock();
        return;
    }
    state_.programmedOk = true;
    VerifyWhatWasSent();
}

void LinkEngine::ReplyToVerify(const LinkFrame& frame) {
    const int block = state_.currentBlock;
    const auto expected = image_.block(block);
    for (int k = 0; k < kBlockSize; ++k) {
        const bool readingFlag = block == 1 && k == Field::noReading;
        if (!readingFlag && frame.data()[k] != expected[k])
            return; // differs: re-sent by the tick, "Verify error!" after the last send
    }
    if (block == 1) {
        NextBlock();
        return;
    }
    SetGauge(status_.gaugeMaximum, status_.gaugeMaximum);
    ShowStatus(Text(Msg::verify) + QStringLiteral(": OK"), StatusColour::Normal);
    EndTransfer(TransferResult::Ok);
}

void LinkEngine::NextBlock() {
    SetGauge(status_.gaugePosition + 1, status_.gaugeMaximum);
    ++state_.currentCommand;
    state_.sendAttempts = 1;
    SendBlockFrame();
}

void LinkEngine::VerifyWhatWasSent() {
    state_.transferMode = TransferMode::Verify;
    state_.currentCommand = Command::readBlock1;
    state_.sendAttempts = 1;
    SendBlockFrame();
    ShowStatus(Text(Msg::verify) + QStringLiteral(":"), StatusColour::Normal);
    status_.statusVisible = true;
    SetGauge(0, status_.gaugeMaximum);
}

void LinkEngine::EndTransfer(TransferResult result) {
    state_.transferMode = TransferMode::Idle;
    owner_.TransferEnded(result);
}

} // namespace varko

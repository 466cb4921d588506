#pragma once
// What the link engine needs from whoever owns the parameter image: the window, or the command
// line without a window. Every call comes from inside an engine call and must return promptly;
// a message box in particular is opened later (queued), never from inside the call.

#include "link/LinkFrame.h"
#include "link/LinkStatus.h"

#include "model/ParamImage.h"

#include <QString>
#include <optional>

namespace varko {

enum class LinkMessageKind {
    ComOpeningError, // the port could not be opened
    VersionMismatch, // the unit speaks another protocol version; ends the transfer
};

struct LinkMessage {
    LinkMessageKind kind;
    QString text;
};

enum class TransferResult { Ok, ProgramError, VerifyError, ReadError, NoReading, VersionMismatch };

class LinkOwner {
public:
    virtual ~LinkOwner() = default;

    // Copy the controls into the image (before a verify or a program started by the user).
    virtual void collectImage() = 0;
    virtual void normalize() = 0;
    // Show the image in the controls (the decoded unit texts are current at this point).
    virtual void showImage() = 0;
    // Show a modal box once the current call has returned, then call
    // LinkEngine::messageBoxClosed with the same kind. The link keeps ticking meanwhile.
    virtual void showMessage(const LinkMessage& message) = 0;
    virtual void linkStatusChanged(const LinkStatus& status) = 0;

    // A live-data frame with a valid check byte, in every transfer mode.
    virtual void onMonitorFrame(const LinkFrame&) {}
    // The last step of every tick: mark the live operating point.
    virtual void highlightOperatingPoint() {}
    // A read has been started: the image is about to come from the unit, no longer from a file.
    virtual void readStarted() {}
    // A transfer has ended with this result (also when it failed or was refused). started is the
    // transfer as it was started: a read or a program ends in a verify of its own.
    virtual void transferEnded(TransferMode /*started*/, TransferResult) {}
    // A copy read (LinkEngine::startCopyRead) has ended, just before transferEnded (started as a
    // read) with the same result: the unit's set exactly as it sent it when the result is Ok,
    // nothing otherwise. LinkState::copyRead stays set through both calls. A copy read replaced
    // by another start ends without either call.
    virtual void copyReadEnded(TransferResult, const std::optional<ParamImage>& /*unitSet*/) {}
};

} // namespace varko

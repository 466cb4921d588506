#pragma once
// What the link engine tells whoever runs it: the unit session, or a test. Every call comes from
// inside an engine call and must return promptly; a message box or another transfer in
// particular is started later (queued), never from inside the call.

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

enum class TransferResult {
    Ok,
    ProgramError,
    VerifyError,
    ReadError,
    NoReading,
    VersionMismatch,
    Abandoned, // another start took its place before it ended (an operation's end, never the
               // engine's)
};

class LinkOwner {
public:
    virtual ~LinkOwner() = default;

    // Show a modal box once the current call has returned, then call
    // LinkEngine::messageBoxClosed with the same kind. The link keeps ticking meanwhile.
    virtual void showMessage(const LinkMessage& message) = 0;
    virtual void linkStatusChanged(const LinkStatus& status) = 0;

    // A live-data frame with a valid check byte, in every transfer mode.
    virtual void onMonitorFrame(const LinkFrame&) {}
    // The unit answered a transfer's first request with its information record: the engine's
    // device texts are the unit's from now on.
    virtual void unitAnswered() {}
    // Both blocks of a read (not a copy read) have arrived: the unit's set as it sent them, and
    // brought into range, which is the set the read's verify compares.
    virtual void unitSetArrived(const ParamImage& /*asSent*/, const ParamImage& /*inRange*/) {}
    // A transfer has ended with this result (also when it failed or was refused). started is the
    // transfer as it was started: a read or a program ends in a verify of its own. unitSet is
    // what a read brought, in range (also when its verify then failed), or what a copy read
    // brought, exactly as the unit sent it; nothing otherwise. A transfer replaced by another
    // start ends without the call.
    virtual void transferEnded(TransferMode /*started*/, TransferResult,
                               const std::optional<ParamImage>& /*unitSet*/) {}
};

} // namespace varko

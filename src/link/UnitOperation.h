#pragma once
// One action on the unit as UnitSession runs it, from its start to its end: a read, a copy read,
// a program or a verify (BackupThenProgram puts a backup before a program). Its signals come
// from inside the link's tick, so a slot returns promptly and starts no other operation before
// the signal has returned (it queues the start). Every operation ends with finished, also when
// another start replaces it (Abandoned, told from inside that start), unless a backup before a
// program fails (BackupThenProgram). Once it has ended it deletes itself when the event loop next
// runs.

#include "link/LinkOwner.h"
#include "model/ParamImage.h"

#include <QObject>
#include <optional>

namespace varko {

class UnitSession;

class UnitOperation : public QObject {
    Q_OBJECT
public:
    // Still the session's running operation: neither ended nor replaced.
    bool running() const;

signals:
    // Each step of the transfer gauge after the start (where it stands at 0), as the status line
    // shows it: position of maximum.
    void progress(int position, int maximum);
    // The unit answered the first request with its information record, whose texts are now
    // LinkEngine::deviceTexts.
    void unitAnswered();
    // A read's two blocks have arrived: the unit's set as it sent them, and brought into range,
    // which is the set the read's verify compares.
    void unitSetArrived(const varko::ParamImage& asSent, const varko::ParamImage& inRange);
    // The transfer has ended, well or not, or was abandoned. unitSet is what a read brought, in
    // range (also when its verify then failed or was abandoned), or what a copy read brought,
    // exactly as sent; nothing otherwise.
    void finished(varko::TransferResult result, const std::optional<varko::ParamImage>& unitSet);

protected:
    // A child of session, which routes the engine's reports to its running operation.
    explicit UnitOperation(UnitSession& session);

    // The transfer this operation started has ended; by default the operation ends with it.
    virtual void transferEnded(TransferResult result, const std::optional<ParamImage>& unitSet);
    // The session runs no operation until the next start; this one goes once the loop runs.
    void end();

    UnitSession& session_;

private:
    friend class UnitSession;
    void reportProgress(int position, int maximum);
    // Another start has taken this operation's place.
    void abandon();

    int position_ = -1;
    int maximum_ = -1;
    std::optional<ParamImage> arrived_; // a read's set, once both blocks came
};

} // namespace varko

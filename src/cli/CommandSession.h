#pragma once
// The link of one varko-cli command: a unit session on the device the command names, with the
// link's messages (the port's, the version's) on stderr as they come, ticked at the window's
// pace in an event loop of its own until the command is done.

#include "cli/Commands.h"
#include "link/UnitSession.h"

#include <QEventLoop>
#include <functional>

namespace varko::cli {

class CommandSession {
public:
    CommandSession(const QString& devicePath, CliIo& io);

    UnitSession& session() { return session_; }
    // False after the port's message when it cannot be opened.
    bool openPort();
    // Ticks until afterTick, asked after every tick, answers true, or until stop().
    void run(const std::function<bool()>& afterTick);
    // Ends run() once the current tick or handler has returned.
    void stop() { loop_.quit(); }
    // Closes the port: nothing more goes to the unit.
    void close() { session_.engine().closePort(); }

private:
    WindowSettings settings_;
    UnitSession session_;
    QEventLoop loop_;
    bool portFailed_ = false;
};

} // namespace varko::cli

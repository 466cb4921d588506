#pragma once
// Watching the unit's live data from the command line: the same unit session and 55 ms tick as
// the window, with every accepted live-data frame written as one CSV line.

#include "cli/Commands.h"
#include "model/ParamImage.h"

namespace varko::cli {

struct MonitorOptions {
    int frames = 0;          // stop after this many lines; 0: until interrupted
    bool timestamps = false; // a leading time_ms column, from a monotonic clock
    ParamImage set;          // the unit's set, which the pick-up system error is judged against
};

// Writes the header, then one line per live-data frame until options.frames lines (0: until
// interrupted by SIGINT or SIGTERM), or until a line cannot be written (io.out's status then
// says so and the caller's exit names the reason). False after "No connection with PC" when 3 s
// pass without a live-data frame, at the start or at any later time, or after the port's own
// message when it cannot be opened.
bool runMonitor(const QString& devicePath, const MonitorOptions& options, CliIo& io);

} // namespace varko::cli

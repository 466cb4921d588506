#pragma once
// Watching the unit's live data from the command line: the same link engine and 55 ms tick as
// the window, with every accepted live-data frame written as one CSV line.

#include "cli/Commands.h"
#include "link/MonitorFrame.h"

namespace varko::cli {

// The first line of the output, naming the columns of monitorCsvLine.
QString monitorCsvHeader();
// One live-data frame: advance in degrees, flags as 0 or 1, millivolts as the window shows them.
QString monitorCsvLine(const MonitorData& live);

// Writes the header, then one line per live-data frame until `frames` lines (0: until
// interrupted by SIGINT or SIGTERM). False after "No connection with PC" when 3 s pass without
// a live-data frame, at the start or at any later time, or after the port's own message when it
// cannot be opened.
bool runMonitor(const QString& devicePath, int frames, CliIo& io);

} // namespace varko::cli

#pragma once
// Live data as CSV text: one column table serves varko-cli monitor, the window's recording and
// the reader that plays a recording back, so what is written is always what can be read.

#include "link/LiveMonitor.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QIODevice;

namespace varko {

enum class LiveCsvColumns {
    Monitor,      // varko-cli monitor: the frame's values and the pick-up system error
    TimedMonitor, // the same behind a leading time_ms
    Recording,    // time_ms, the monitor's columns, then what else the live column shows
};

QString liveCsvHeader(LiveCsvColumns columns);
// Advance in degrees, flags as 0 or 1, sensor voltages in millivolts as the window shows them.
QString liveCsvLine(const LiveRecord& record, LiveCsvColumns columns);

struct LiveLog {
    // False when the first line does not name time_ms and every monitor column: nothing else
    // was read.
    bool isLiveLog = false;
    std::vector<LiveRecord> records;
    std::vector<int> malformedLines; // 1-based, the header being line 1
    // The first protocol version in the log other than the program's own.
    std::optional<int> otherProtocolVersion;
};

// Reads a recording or the output of varko-cli monitor --timestamps. Columns are found by name;
// the recording's extra columns may be missing (their values stay 0) and unknown ones are
// ignored. A line is malformed when its field count differs from the header's, a field is not a
// whole number the unit could have sent, or its time goes back.
LiveLog readLiveLog(QIODevice& device);

// Far above a day of recording (about 260,000 frames take some 40 MB); a larger file is not a
// log the program wrote, and refusing it keeps a wrong choice from filling the memory.
constexpr qint64 kMaxLiveLogSize = 256 * 1024 * 1024;

// readLiveLog of the file at path, read as a whole through the program's file reader: a file
// that cannot be read, is not a regular file or is larger than kMaxLiveLogSize is no log.
LiveLog readLiveLogFile(const QString& path);

} // namespace varko

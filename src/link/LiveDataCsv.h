#pragma once
// Live data as CSV text: one column table serves varko-cli monitor, the window's recording and
// the reader that plays a recording back, so what is written is always what can be read.

#include "link/LiveMonitor.h"
#include "storage/FileIo.h"

#include <QString>
#include <QStringList>
#include <atomic>
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

// Where a long read stands, and a way to end it early: shared with the thread that reads.
struct LiveLogProgress {
    std::atomic<qint64> bytesRead{0};
    std::atomic<qint64> totalBytes{0}; // the file's size, once it is open
    std::atomic<bool> cancelled{false};
};

// Longer than any line of a log (a recording's is some 200 bytes), yet small: a line that goes
// on beyond it is malformed, and is passed over without being kept in memory.
constexpr qsizetype kMaxLiveLogLine = 64 * 1024;

// Reads a recording or the output of varko-cli monitor --timestamps. Columns are found by name;
// the recording's extra columns may be missing (their values stay 0) and unknown ones are
// ignored. A line is malformed when its field count differs from the header's, a field is not a
// whole number the unit could have sent, its time goes back or it is longer than
// kMaxLiveLogLine. Progress, when given, follows the bytes read; once it is cancelled, reading
// ends at the next line.
LiveLog readLiveLog(QIODevice& device, LiveLogProgress* progress = nullptr);

// Far above a day of recording (about 260,000 frames take some 28 MB); a larger file is not a
// log the program wrote, and refusing it keeps a wrong choice from filling the memory.
constexpr qint64 kMaxLiveLogSize = 256 * 1024 * 1024;

struct LiveLogFile {
    LiveLog log;
    // Why the file was not read: not there, unreadable, not a regular file, or larger than
    // kMaxLiveLogSize (also when it grew beyond it while being read). No reason: it was read.
    ReadRefusal refusal;
};

// readLiveLog of the file at path, opened through the program's file reader.
LiveLogFile readLiveLogFile(const QString& path, LiveLogProgress* progress = nullptr);

} // namespace varko

#pragma once
// Playing a live-data log back in its own time: the log's clock runs at the chosen speed while
// playing, and each step hands over, in order, every record whose time it has passed.

#include "link/LiveMonitor.h"

#include <algorithm>
#include <span>
#include <vector>

namespace varko {

class LiveReplay {
public:
    explicit LiveReplay(std::vector<LiveRecord> records);

    const std::vector<LiveRecord>& records() const { return records_; }
    // The next record to hand over; records().size() at the end.
    int position() const { return position_; }
    bool atEnd() const { return position_ >= int(records_.size()); }
    // How far into the log playing has come, from its first record.
    qint64 playedMs() const;

    // 1, 4 or 16 times as fast as recorded; any factor of at least 1 works.
    void setSpeed(int factor) { speed_ = std::max(1, factor); }
    int speed() const { return speed_; }

    // Moves the log's clock on by wallMs of real time and hands over the records it passed.
    std::span<const LiveRecord> advance(qint64 wallMs);
    // The record at index comes next, at once; the clock stands at its time.
    void seek(int index);

private:
    std::vector<LiveRecord> records_;
    int position_ = 0;
    qint64 clockMs_ = 0;
    int speed_ = 1;
};

} // namespace varko

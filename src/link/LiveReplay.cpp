#include "link/LiveReplay.h"

#include <algorithm>

namespace varko {

LiveReplay::LiveReplay(std::vector<LiveRecord> records) : records_(std::move(records)) {
    seek(0);
}

qint64 LiveReplay::playedMs() const {
    return records_.empty() ? 0 : clockMs_ - records_.front().timeMs;
}

std::span<const LiveRecord> LiveReplay::advance(qint64 wallMs) {
    clockMs_ += std::max<qint64>(0, wallMs) * speed_;
    const int first = position_;
    while (!atEnd() && records_[position_].timeMs <= clockMs_)
        ++position_;
    return std::span(records_).subspan(first, position_ - first);
}

void LiveReplay::seek(int index) {
    position_ = std::clamp(index, 0, int(records_.size()));
    if (!atEnd())
        clockMs_ = records_[position_].timeMs;
    else if (!records_.empty())
        clockMs_ = records_.back().timeMs;
}

} // namespace varko

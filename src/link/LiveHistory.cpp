#include "link/LiveHistory.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace varko {
namespace {

constexpr float kNoValue = std::numeric_limits<float>::quiet_NaN();
constexpr int kAxisTicks = 4;

float valueOf(const std::optional<int>& reading) {
    return reading ? float(*reading) : kNoValue;
}

struct Span {
    float low = std::numeric_limits<float>::infinity();
    float high = -std::numeric_limits<float>::infinity();
    bool empty() const { return low > high; }
};

// The lowest and highest value of the lane's series within the view, a sample either side
// included, as the lines run to the edges.
Span laneSpan(const SampleRing& samples, PlotLane lane, qint64 fromMs, qint64 toMs) {
    Span span;
    const int begin = std::max(0, samples.firstAtOrAfter(fromMs) - 1);
    const int end = std::min(samples.size(), samples.firstAtOrAfter(toMs + 1) + 1);
    for (int i = begin; i < end; ++i) {
        for (int s = 0; s < kPlotSeries; ++s) {
            const float v = samples[i].values[s];
            if (laneOf(PlotSeries(s)) == lane && !std::isnan(v)) {
                span.low = std::min(span.low, v);
                span.high = std::max(span.high, v);
            }
        }
    }
    return span;
}

// The points of one column of the plot, kept in time order.
class Column {
public:
    void start(int column, QPointF point) {
        column_ = column;
        first_ = lowest_ = highest_ = last_ = point;
        count_ = 1;
    }
    int column() const { return count_ > 0 ? column_ : -1; }
    void add(QPointF point) {
        if (point.y() < lowest_.y())
            lowest_ = point;
        if (point.y() > highest_.y())
            highest_ = point;
        last_ = point;
        ++count_;
    }
    void flushInto(TraceRun& run) {
        if (count_ == 0)
            return;
        std::array<QPointF, 4> points{first_, lowest_, highest_, last_};
        std::sort(points.begin() + 1, points.begin() + 3,
                  [](QPointF a, QPointF b) { return a.x() < b.x(); });
        for (const QPointF& point : points) {
            if (run.empty() || run.back() != point)
                run.push_back(point);
        }
        count_ = 0;
    }

private:
    int column_ = -1;
    int count_ = 0;
    QPointF first_, lowest_, highest_, last_;
};

} // namespace

PlotLane laneOf(PlotSeries series) {
    switch (series) {
    case PlotSeries::Speed:
        return PlotLane::Speed;
    case PlotSeries::Throttle:
        return PlotLane::Throttle;
    case PlotSeries::Supply:
        return PlotLane::Supply;
    default:
        return PlotLane::Advance;
    }
}

PlotSample plotSampleOf(qint64 timeMs, const LiveReading& reading) {
    PlotSample sample;
    sample.timeMs = timeMs;
    sample.values[int(PlotSeries::Speed)] = float(reading.rpm);
    sample.values[int(PlotSeries::Throttle)] = valueOf(reading.tpsPercent);
    for (int n = 0; n < kChannels; ++n)
        sample.values[int(PlotSeries::Advance1) + n] =
            n < reading.channels ? valueOf(reading.advance[n]) : kNoValue;
    sample.values[int(PlotSeries::Supply)] = float(reading.supplyMillivolts) / 1000.0f;
    sample.channels = reading.channels;
    return sample;
}

// ---- SampleRing ------------------------------------------------------------------------------

SampleRing::SampleRing(int capacity) : samples_(std::max(1, capacity)) {}

void SampleRing::append(const PlotSample& sample) {
    const int capacity = int(samples_.size());
    if (count_ < capacity) {
        samples_[(first_ + count_) % capacity] = sample;
        ++count_;
        return;
    }
    samples_[first_] = sample;
    first_ = (first_ + 1) % capacity;
}

const PlotSample& SampleRing::operator[](int index) const {
    return samples_[(first_ + index) % samples_.size()];
}

int SampleRing::firstAtOrAfter(qint64 timeMs) const {
    int low = 0;
    int high = count_;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if ((*this)[middle].timeMs < timeMs)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

int SampleRing::nearest(qint64 timeMs) const {
    if (empty())
        return -1;
    const int after = firstAtOrAfter(timeMs);
    if (after == count_)
        return count_ - 1;
    if (after > 0 && timeMs - (*this)[after - 1].timeMs <= (*this)[after].timeMs - timeMs)
        return after - 1;
    return after;
}

// ---- LiveHistory -----------------------------------------------------------------------------

LiveHistory::LiveHistory(int capacity) : live_(capacity), frozen_(0) {}

void LiveHistory::append(PlotSample sample) {
    if (!live_.empty())
        sample.timeMs = std::max(sample.timeMs, live_.newest().timeMs);
    live_.append(sample);
}

void LiveHistory::setWindowMs(qint64 windowMs) {
    windowMs_ = std::clamp(windowMs, kMinWindowMs, kMaxWindowMs);
}

void LiveHistory::setPaused(bool paused) {
    if (paused == paused_)
        return;
    paused_ = paused;
    // The frozen copy lives only while paused; its memory goes on resume.
    frozen_ = paused ? live_ : SampleRing(0);
}

qint64 LiveHistory::viewEndMs() const {
    const SampleRing& samples = viewSamples();
    return samples.empty() ? 0 : samples.newest().timeMs;
}

AxisRange LiveHistory::laneAxis(PlotLane lane) const {
    const Span span = laneSpan(viewSamples(), lane, viewStartMs(), viewEndMs());
    switch (lane) {
    case PlotLane::Speed:
        return roundAxis(0, std::max(1000.0f, span.empty() ? 0.0f : span.high), kAxisTicks);
    case PlotLane::Throttle:
        return {0, 100, 25};
    case PlotLane::Advance:
        return span.empty()
                   ? roundAxis(0, 40, kAxisTicks)
                   : roundAxis(std::min(0.0f, span.low), std::max(10.0f, span.high), kAxisTicks);
    case PlotLane::Supply:
        return span.empty() ? roundAxis(10, 15, kAxisTicks)
                            : roundAxis(span.low - 0.5, span.high + 0.5, kAxisTicks);
    }
    return {};
}

std::vector<TraceRun> traceOf(const SampleRing& samples, PlotSeries series, qint64 fromMs,
                              qint64 toMs, int columns) {
    std::vector<TraceRun> runs;
    if (samples.empty() || toMs <= fromMs)
        return runs;
    const double columnMs = double(toMs - fromMs) / std::max(1, columns);
    // One sample either side of the view, so the line runs to its edges.
    const int begin = std::max(0, samples.firstAtOrAfter(fromMs) - 1);
    const int end = std::min(samples.size(), samples.firstAtOrAfter(toMs + 1) + 1);
    TraceRun run;
    Column column;
    const auto endRun = [&] {
        column.flushInto(run);
        if (!run.empty())
            runs.push_back(std::move(run));
        run = TraceRun();
    };
    qint64 previousMs = 0;
    for (int i = begin; i < end; ++i) {
        const PlotSample& sample = samples[i];
        const float value = sample.value(series);
        if (std::isnan(value)) {
            endRun();
            continue;
        }
        if (i > begin && sample.timeMs - previousMs > LiveHistory::kGapMs)
            endRun();
        previousMs = sample.timeMs;
        const QPointF point(double(sample.timeMs), double(value));
        const int index = int(std::floor((sample.timeMs - fromMs) / columnMs));
        if (index == column.column()) {
            column.add(point);
        } else {
            column.flushInto(run);
            column.start(index, point);
        }
    }
    endRun();
    return runs;
}

qint64 PlotClock::timeOf(qint64 nowMs, std::optional<qint64> logTimeMs) {
    const qint64 afterGap = lastTimeMs_ ? *lastTimeMs_ + LiveHistory::kGapMs + 1 : nowMs;
    qint64 time = 0;
    if (logTimeMs) {
        const bool onward = lastLogMs_ && *logTimeMs >= *lastLogMs_;
        time = onward ? *lastTimeMs_ + (*logTimeMs - *lastLogMs_) : afterGap;
        lastLogMs_ = logTimeMs;
    } else {
        if (lastLogMs_) {
            // A fast replay left the axis ahead of the clock: live readings go on from there.
            liveOffsetMs_ = std::max(liveOffsetMs_, afterGap - nowMs);
            lastLogMs_.reset();
        }
        time = std::max(nowMs + liveOffsetMs_, lastTimeMs_.value_or(nowMs));
    }
    lastTimeMs_ = time;
    return time;
}

} // namespace varko

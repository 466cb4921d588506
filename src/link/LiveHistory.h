#pragma once
// The live readings of the last minutes as the live plot shows them: samples in a ring of fixed
// size, the time window the plot shows, its pause, and the points of each line thinned to what
// the plot's width can show.

#include "link/LiveMonitor.h"
#include "model/AxisScale.h"

#include <QPointF>
#include <QtGlobal>
#include <array>
#include <optional>
#include <vector>

namespace varko {

enum class PlotSeries { Speed, Throttle, Advance1, Advance2, Advance3, Advance4, Supply };
constexpr int kPlotSeries = 7;

// The plot's value axes, one above the other, sharing the time axis.
enum class PlotLane { Speed, Throttle, Advance, Supply };
constexpr int kPlotLanes = 4;

PlotLane laneOf(PlotSeries series);

struct PlotSample {
    qint64 timeMs = 0;
    // rpm, %, degrees of each channel, volts; NaN where the reading has no value (a sensor
    // error, a channel that is not shown).
    std::array<float, kPlotSeries> values{};
    int channels = 1; // advance channels shown

    float value(PlotSeries series) const { return values[static_cast<int>(series)]; }
};

PlotSample plotSampleOf(qint64 timeMs, const LiveReading& reading);

// Samples in time order; when full, the oldest makes room.
class SampleRing {
public:
    explicit SampleRing(int capacity);

    void append(const PlotSample& sample);
    int size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // 0 is the oldest.
    const PlotSample& operator[](int index) const;
    const PlotSample& newest() const { return (*this)[count_ - 1]; }
    // The index of the first sample at or after timeMs; size() when there is none.
    int firstAtOrAfter(qint64 timeMs) const;
    // The sample nearest in time; -1 when the ring is empty.
    int nearest(qint64 timeMs) const;

private:
    std::vector<PlotSample> samples_;
    int first_ = 0;
    int count_ = 0;
};

class LiveHistory {
public:
    static constexpr qint64 kMinWindowMs = 10'000;
    static constexpr qint64 kMaxWindowMs = 600'000;
    static constexpr qint64 kDefaultWindowMs = 60'000;
    // Samples further apart are not joined by a line: the unit was silent in between.
    static constexpr qint64 kGapMs = 1'000;
    // Ten minutes of frames with room to spare at the link's pace of one every 55 ms.
    static constexpr int kDefaultCapacity = 32'768;

    explicit LiveHistory(int capacity = kDefaultCapacity);

    // A sample dated before the newest is dated as the newest: time never runs backwards.
    void append(PlotSample sample);

    // Clamped to kMinWindowMs..kMaxWindowMs.
    void setWindowMs(qint64 windowMs);
    qint64 windowMs() const { return windowMs_; }

    // While paused the view stays as it was, with what it held; samples keep arriving and are in
    // view again on resume.
    void setPaused(bool paused);
    bool paused() const { return paused_; }

    // What the view draws: its samples and its time span, which ends at the newest of them.
    const SampleRing& viewSamples() const { return paused_ ? frozen_ : live_; }
    qint64 viewEndMs() const;
    qint64 viewStartMs() const { return viewEndMs() - windowMs_; }

    // A lane's value axis for what is in view.
    AxisRange laneAxis(PlotLane lane) const;

private:
    SampleRing live_;
    SampleRing frozen_;
    qint64 windowMs_ = kDefaultWindowMs;
    bool paused_ = false;
};

// One line of the plot: runs of points (x in ms, y the value), each unbroken by a gap in time or
// a missing value. Per column of the plot's width it keeps a column's first, lowest, highest and
// last point, so the drawing costs the same for any number of samples and still shows every peak.
using TraceRun = std::vector<QPointF>;
std::vector<TraceRun> traceOf(const SampleRing& samples, PlotSeries series, qint64 fromMs,
                              qint64 toMs, int columns);

// The time a reading gets on the plot's axis. Live readings follow the clock; replayed ones keep
// the spacing of their log whatever the replay's speed, and a jump back in the log (a seek)
// starts a new stretch after a gap, as does the switch between live and replayed readings. The
// axis never runs backwards.
class PlotClock {
public:
    // nowMs: the wall clock; logTimeMs: a replayed reading's time in its log, nullopt for a live
    // one.
    qint64 timeOf(qint64 nowMs, std::optional<qint64> logTimeMs);

private:
    std::optional<qint64> lastTimeMs_;
    std::optional<qint64> lastLogMs_; // while replayed readings come
    qint64 liveOffsetMs_ = 0;
};

} // namespace varko

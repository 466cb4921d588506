#pragma once
// The timer that drives the link's tick, in the window and on the command line alike. A precise
// timer: Qt's default coarse timer may fire up to 5 % early, which made the tick about 52 ms and
// the unit's timings (counted in ticks) run fast.

#include "link/LinkEngine.h"

#include <QTimer>

namespace varko {

inline void setUpTickTimer(QTimer& timer) {
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(kTickMs);
}

} // namespace varko

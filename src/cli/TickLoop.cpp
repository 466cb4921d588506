#include "cli/TickLoop.h"

#include "link/TickTimer.h"

#include <QEventLoop>

namespace varko::cli {

void runTicks(LinkEngine& engine, const std::function<bool()>& afterTick) {
    QEventLoop loop;
    QTimer timer;
    setUpTickTimer(timer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        engine.tick();
        if (afterTick())
            loop.quit();
    });
    timer.start();
    loop.exec();
}

} // namespace varko::cli

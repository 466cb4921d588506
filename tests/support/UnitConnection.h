#pragma once
// A test's window shown and switched to the port of the simulated unit.

#include "Controls.h"
#include "FlowsFixture.h"
#include "SimulatorProcess.h"

#include <QtTest>

// True once the window is active and the link has left the no-connection state.
inline bool connectToUnit(FlowsFixture& f, int waitMs = 15000) {
    f.window->show();
    if (!QTest::qWaitForWindowActive(&*f.window))
        return false;
    f.trigger(Control::portItem(kSimulatorPort));
    return QTest::qWaitFor([&] { return f.window.find(Control::connectionLabel)->isHidden(); },
                           waitMs);
}

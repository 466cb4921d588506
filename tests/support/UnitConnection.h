#pragma once
// A test's window shown and switched to the port of the simulated unit.

#include "FlowsFixture.h"
#include "SimulatorProcess.h"

#include <QtTest>

// True once the window is active and the link has left the no-connection state.
inline bool connectToUnit(FlowsFixture& f, int waitMs = 15000) {
    f.window->show();
    if (!QTest::qWaitForWindowActive(&*f.window))
        return false;
    f.trigger(qPrintable(QStringLiteral("MenuCom%1").arg(kSimulatorPort)));
    return QTest::qWaitFor([&] { return f.window.find("LabelSpojeni")->isHidden(); }, waitMs);
}

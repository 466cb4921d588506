#pragma once
// The simulator's command line: where the line is linked, how the unit misbehaves, what the
// line does to its answers and how the engine runs.

#include "LineFaults.h"
#include "SimulatedUnit.h"

#include <QString>
#include <utility>
#include <vector>

class QCoreApplication;

namespace varko::sim {

struct SimOptions {
    QString linkPath;
    UnitFaults faults;
    LineFaults line;
    LiveOptions live;
    std::vector<std::pair<int, std::uint8_t>> storedBytes; // image offset, value
    int vanishAfter = 0;    // frames answered or ignored before the line goes; 0: never
    int returnAfterMs = -1; // come back on a new line after vanishing; -1: stay away and exit
    bool logRequests = false;
};

// Parses the command line (exits for --help); empty error on success.
SimOptions parseSimOptions(const QCoreApplication& app, QString& error);

} // namespace varko::sim

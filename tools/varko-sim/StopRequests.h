#pragma once
// How the simulator is asked to end: SIGTERM, SIGINT and SIGHUP (the platform's part is
// PosixStopRequests.cpp). A request is taken between two steps of the work, never in the middle
// of one, and one that comes while the simulator is busy ends its next wait, so none is lost.

namespace varko::sim {

// From now on the stop signals set the request instead of ending the program.
void catchStopRequests();
bool stopRequested();
// Waits ms milliseconds; true when a stop request ended the wait.
bool stopRequestedWithin(int ms);

} // namespace varko::sim

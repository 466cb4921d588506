#pragma once
// For the other POSIX files of the simulator: what a wait that a stop request ends uses.

#include <csignal>

namespace varko::sim {

// The signal mask to wait with (ppoll): the stop signals, blocked everywhere else, let through.
const sigset_t& stopWaitMask();

} // namespace varko::sim

#include "storage/BrokenPipes.h"

#include <csignal>

namespace varko {

// A program started through QProcess (the PDF viewer) gets the default back: QProcess resets
// SIGPIPE in the child.
void treatBrokenPipesAsWriteErrors() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGPIPE, &ignore, nullptr);
}

} // namespace varko

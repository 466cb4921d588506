#pragma once
// varko-cli: checks, converts and prepares parameter files without a window.

#include <QStringList>

namespace varko::cli {
// Runs one command line (program name first) and returns the exit status.
int runCli(const QStringList& arguments);
} // namespace varko::cli

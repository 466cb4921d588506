#pragma once
// varko-cli: checks, converts and prepares parameter files without a window.

#include "cli/Commands.h"

#include <QStringList>

namespace varko::cli {
// Runs one command line (program name first) and returns the exit status. The window's commands
// come from the program, which alone links the window.
int runCli(const QStringList& arguments, std::span<const Command> windowCommands = {});
} // namespace varko::cli

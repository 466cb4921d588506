#pragma once
// varko-cli print: the four pages of Print all, drawn by the window offscreen, into a PDF file.
// It alone needs the window, so it lives apart from the other commands and only varko-cli's
// print runs a GUI application.

#include "cli/Commands.h"

namespace varko::cli {

std::span<const Command> printCommands();

} // namespace varko::cli

#pragma once
// A start of the program while a window runs for the same settings folder: its command line goes
// to that window and the program ends. It waits a few seconds at most: a window that does not
// take the command line by then is named in a box, and no second window starts, since two
// windows would overwrite each other's settings and last state.

#include <QStringList>
#include <optional>

class WindowInstance;

// nullopt when this start is to show the window; otherwise the program's exit code (0 when the
// running window took the command line).
std::optional<int> handToRunningWindow(WindowInstance& instance, const QStringList& arguments);

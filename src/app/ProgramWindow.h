#pragma once
// The program's window as varko starts it, for whatever shows it without running the program:
// the manual's pictures, the tests and the benchmarks. It is driven as a user drives it: through
// its menus and controls, and through the document and the other parts it keeps as children.

#include <QMainWindow>
#include <QStringList>
#include <memory>

// arguments as the program's command line has them (arguments[0] is the program).
std::unique_ptr<QMainWindow> startProgramWindow(const QStringList& arguments = {});

#pragma once
// The program's window as varko starts it, for whatever shows it without running the program:
// the manual's pictures, the tests and the benchmarks. It is driven as a user drives it: through
// its menus and controls, and through the document and the other parts it keeps as children.

#include <QMainWindow>
#include <QStringList>
#include <memory>

class StopSignals;
class WindowInstance;

// What reaches the program from outside while its window runs, once the window has started:
// the command lines of later starts and the requests to stop. Each is left alone when null.
struct OutsideRequests {
    // Each command line is taken as the window's own start took its own, and the window comes
    // to the front.
    WindowInstance* laterStarts = nullptr;
    // Each closes the window as File > Exit does, also from under an open box, and ends the
    // event loop.
    StopSignals* stopSignals = nullptr;
};

// arguments as the program's command line has them (arguments[0] is the program).
std::unique_ptr<QMainWindow> startProgramWindow(const QStringList& arguments = {},
                                                const OutsideRequests& outside = {});

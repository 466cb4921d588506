#pragma once
// A pseudo-terminal on which no unit ever answers, linked as COM1 (the port a new window opens)
// in the test's configuration folder, for as long as the object lives. A window under test then
// never opens the machine's own serial ports, which another test's window may hold at the same
// time (an opening error box) or a real device may sit on.

#include "PtyLink.h"

#include <QString>

class SilentLine {
public:
    explicit SilentLine(const QString& portsDir) { line_.open(portsDir + "/COM1"); }

private:
    varko::sim::PtyLink line_;
};

#pragma once
// A pseudo-terminal on which no unit ever answers, linked as COM1 (the port a new window opens)
// in the test's configuration folder, for as long as the object lives. A window under test then
// never opens the machine's own serial ports, which another test's window may hold at the same
// time (an opening error box) or a real device may sit on.

#include <QDir>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

class SilentLine {
public:
    explicit SilentLine(const QString& portsDir) : master_(::posix_openpt(O_RDWR | O_NOCTTY)) {
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0 &&
            QDir().mkpath(portsDir))
            QFile::link(QString::fromLocal8Bit(::ptsname(master_)), portsDir + "/COM1");
    }
    ~SilentLine() {
        if (master_ >= 0)
            ::close(master_);
    }
    SilentLine(const SilentLine&) = delete;
    SilentLine& operator=(const SilentLine&) = delete;

private:
    int master_;
};

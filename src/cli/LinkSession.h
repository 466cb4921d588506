#pragma once
// One transfer with the unit from the command line, run by the same unit session and the same
// 55 ms tick as the window: open the port, start the transfer (a verify after the unit's first
// live-data frame), run it to its end and report it in the program's own English texts.

#include "cli/Commands.h"
#include "link/LinkFrame.h"
#include "model/ParamImage.h"

namespace varko::cli {

// How long a verify waits for the unit's first live-data frame, and how long the live data may
// pause before the monitor gives up on the unit.
constexpr int kConnectTimeoutMs = 3000;

// Runs the transfer (read, program or verify) over the device at devicePath on image. A read
// replaces image by the unit's set, brought into range; a program or verify first makes of image
// what the window would send, through the controls' ranges (testEnable is the window's test
// mode) and into range. True after "Verify:: OK" on stdout; false after the transfer's own
// message on stderr ("No connection with PC" when the unit never answered; the version message
// when a verify finds a unit of another protocol version; for a read that failed its verify
// because the unit's set changed when brought into range, a line naming the changed bytes as
// well; for a verify that found another set, the unit's set is read and the differing bytes
// follow as diff lines).
bool runTransfer(TransferMode transfer, const QString& devicePath, ParamImage& image,
                 bool testEnable, CliIo& io);

// Programs image as runTransfer does, after the unit's set, read exactly as the unit holds it,
// has been kept in the history as "before programming" with file (the entry names it), which
// "Backup: " and the entry's path on stdout tell. When the set cannot be read or kept, nothing
// is programmed: false after the read's failure message, worded as a read's, or the history's.
bool programWithBackup(const QString& devicePath, ParamImage& image, const QString& file,
                       bool testEnable, CliIo& io);

} // namespace varko::cli

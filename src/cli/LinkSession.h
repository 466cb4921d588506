#pragma once
// One transfer with the unit from the command line, run by the same link engine and the same
// 55 ms tick as the window: open the port, wait for the unit's first answer, run the transfer
// to its end and report it in the program's own English texts.

#include "cli/Commands.h"
#include "link/LinkFrame.h"
#include "model/ParamImage.h"

namespace varko::cli {

// How long the unit may take to give its first accepted answer.
constexpr int kConnectTimeoutMs = 3000;

// Runs the transfer (read, program or verify) over the device at devicePath on image (read:
// replaced by the unit's image). testEnable is the window's test mode, used where the window would
// collect its controls. True after "Verify:: OK" on stdout; false after the transfer's own message
// on stderr.
bool runTransfer(TransferMode transfer, const QString& devicePath, ParamImage& image,
                 bool testEnable, CliIo& io);

} // namespace varko::cli

#pragma once
// One transfer with the unit from the command line, run by the same link engine and the same
// 55 ms tick as the window: open the port, start the transfer (a verify after the unit's first
// live-data frame), run it to its end and report it in the program's own English texts.

#include "cli/Commands.h"
#include "link/LinkFrame.h"
#include "model/ParamImage.h"
#include "storage/History.h"

#include <optional>

namespace varko::cli {

// How long a verify waits for the unit's first live-data frame, and how long the live data may
// pause before the monitor gives up on the unit.
constexpr int kConnectTimeoutMs = 3000;

// Runs the transfer (read, program or verify) over the device at devicePath on image (read:
// replaced by the unit's image). testEnable is the window's test mode, used where the window would
// collect its controls. True after "Verify:: OK" on stdout; false after the transfer's own message
// on stderr ("No connection with PC" when the unit never answered; the version message when a
// verify finds a unit of another protocol version; for a read that failed its verify because the
// unit's set changed when brought into range, a line naming the changed bytes as well; for a
// verify that found another set, the unit's set is read and the differing bytes follow as diff
// lines).
bool runTransfer(TransferMode transfer, const QString& devicePath, ParamImage& image,
                 bool testEnable, CliIo& io);

// The unit's set as the unit holds it, and who the unit is.
struct UnitSetCopy {
    ParamImage set;
    UnitIdentity unit;
};

// Reads the unit's set over the device at devicePath exactly as the unit holds it, changing and
// verifying nothing. Nothing after the failure's message on stderr, worded as a read's.
std::optional<UnitSetCopy> copyUnitSet(const QString& devicePath, CliIo& io);

} // namespace varko::cli

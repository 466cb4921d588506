#pragma once
// What the window shows of the link, as plain data: the status line with its progress gauge,
// the connection warning, the port label and the port menu. The window maps it onto its widgets
// in one place whenever the engine reports a change.

#include "link/PortNames.h"

#include <QString>

namespace varko {

enum class StatusColour { Normal, Red };

struct LinkStatus {
    // The status line.
    QString statusText;
    StatusColour statusColour = StatusColour::Normal;
    bool statusVisible = false;
    // "No connection with PC"; while it shows, the version warning is hidden as well.
    // The link starts silent, so the window starts with it shown.
    bool connectionVisible = true;
    // The transfer gauge; the position is always within 0..gaugeMaximum.
    int gaugePosition = 0;
    int gaugeMaximum = 2;
    bool gaugeVisible = false;
    // The port label below the status line.
    QString comLabel = QStringLiteral("COM = ---");
    PortMenu portMenu = buildPortMenu(0);

    bool operator==(const LinkStatus&) const = default;
};

} // namespace varko

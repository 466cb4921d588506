#pragma once
// Where the program keeps its files: $XDG_CONFIG_HOME/varko (default ~/.config/varko).

#include <QString>

namespace varko {

QString ConfigDir();          // not created here
QString SettingsFilePath();   // VARKO_v75ini
QString LastStateFilePath();  // _VARKO_v75ini
QString TestSwitchFilePath(); // test_dorvik.txt
QString PortOverrideDir();    // ports/: COMn links to a device or pty

} // namespace varko

#pragma once
// Where the program keeps its files: $XDG_CONFIG_HOME/varko (default ~/.config/varko).

#include <QString>

namespace varko {

QString configDir();          // not created here
QString settingsFilePath();   // VARKO_v75ini
QString lastStateFilePath();  // _VARKO_v75ini
QString testSwitchFilePath(); // test_dorvik.txt
QString portOverrideDir();    // ports/: COMn links to a device or pty

} // namespace varko

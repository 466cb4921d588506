#pragma once
// Where the program keeps its files: settings in $XDG_CONFIG_HOME/varko (default
// ~/.config/varko), data it gathers in $XDG_DATA_HOME/varko (default ~/.local/share/varko).

#include <QString>

namespace varko {

QString configDir();          // not created here
QString settingsFilePath();   // VARKO_v75ini
QString lastStateFilePath();  // _VARKO_v75ini
QString testSwitchFilePath(); // test_dorvik.txt
QString portOverrideDir();    // ports/: COMn links to a device or pty
QString historyDir();         // every set read from or programmed into a unit

// Where the window that uses the settings folder announces itself: the instance lock is this path
// with ".lock", the socket it listens on this path with ".socket". The folder is the user's own
// runtime folder, so the name is the user's alone; the name stands for the settings folder however
// it is spelled. Empty when the user has no runtime folder.
QString windowInstancePath();
// The same for a given runtime folder and settings folder.
QString windowInstancePath(const QString& runtimeFolder, const QString& settingsFolder);

// From now on configDir() is folder/varko, for this process and the programs it starts: a tool
// that runs the window keeps the user's own settings out of its reach this way.
void setConfigHome(const QString& folder);

} // namespace varko

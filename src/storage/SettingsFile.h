#pragma once
// The settings file (settingsFilePath): window placement, serial-port choice, language, last
// parameter file, the page shown and the backup before programming, as eleven keys of section
// "FORM_HLAV" in an INI text.

#include "model/Normalize.h"

#include <QString>

namespace varko {

struct SettingsValues {
    // Window placement in pixels. The caller presets the centred position and the designed size,
    // which stay when the file has no valid value.
    int left = 0;
    int top = 0;
    int height = 0;
    int width = 0;
    // The fields as the window uses them, not the raw key values: the file holds "ComPort" =
    // portSelection + 1 and "ComPortAuto" = scanIndex + 1, and reading keeps the low 8 bits of
    // value - 1 (so "ComPort" 21 is portSelection 20, the automatic choice; a missing
    // "ComPortAuto" is scanIndex 255). Out-of-range values are left to normalize().
    WindowSettings window{.language = Language::English, .portSelection = 0, .scanIndex = 255};
    QString file;       // "File": the caption of the file label
    QString iniDir;     // "IniDir": full path of the last parameter file
    int activePage = 1; // "PageControl1->ActivePageIndex"; 1 is the "Bike" page
    // "BackupBeforeProgramming" (window.backupBeforeProgramming): 0 off, any other number on.
    bool operator==(const SettingsValues&) const = default;
};

// What loading found besides the values.
struct SettingsLoad {
    // A file was there but could not be read (too large, not a regular file, no permission).
    // It is moved aside: left in place it would keep every later close from writing the
    // settings, while its content is kept for whoever wants to look at it.
    bool unreadable = false;
    QString movedTo; // where the unreadable file now is; empty when it could not be moved
};

// Overwrites each field whose key the file holds with a valid decimal integer (strings: any
// value); every other field keeps its value, which is thus the default. A missing or unreadable
// file changes nothing. A UTF-8 byte-order mark at the start is taken as no part of the text.
SettingsLoad loadSettingsFile(const QString& path, SettingsValues& values);

// Writes the eleven keys, keeping every other line of an existing file: unknown keys, other
// sections and comments survive. Creates the folder when needed and replaces the file only once
// it is complete. False when writing fails or an existing file cannot be read (rewriting it
// would lose what it holds); the old file is then as it was.
bool saveSettingsFile(const QString& path, const SettingsValues& values);

// The two above without the file: the values a settings text holds, and the text with the
// eleven keys set from the values and every other line kept.
void readSettingsText(const QByteArray& text, SettingsValues& values);
QByteArray settingsText(const QByteArray& existing, const SettingsValues& values);

} // namespace varko

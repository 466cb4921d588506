#pragma once
// The window's language-dependent texts: one table whose rows carry a text per language, and
// the one routine that writes them into the controls. Texts the table leaves alone are built
// into the window where the control is made.

#include "model/Language.h"
#include <QString>
#include <QStringList>
#include <cstdint>

class QMainWindow;
class QObject;

// Writes every caption, hint and list entry of the language into the window and, while no unit
// answers, the no-data texts of the live labels. A language out of range reads as English. The
// language menu's check mark is the window's own (its typed menu items).
void applyTexts(QMainWindow* window, varko::Language language);
// Only the no-data texts of the live labels that follow the language (the unit is gone).
void applyNoDataTexts(QMainWindow* window, varko::Language language);

// A hint "short|long" (or one text for both): the long part is the status bar text shown while
// the pointer is over the control or the menu item is highlighted; the short part becomes the
// tooltip where the window has tooltips.
void setHint(QObject* target, const QString& hint, bool withTooltip);

// The about box's caption in the language; empty for a language out of range, which leaves the
// caption as it is.
QString aboutBoxCaption(varko::Language language);

enum class HistoryText {
    Title,
    When,
    What,
    Unit,
    File,
    Open,
    Cancel,
    Read,
    Programmed,
    BeforeProgramming,
    NotKept, // the status bar's note when a set could not be kept
};
// A text of the history's dialog or note; a language out of range reads as English.
QString historyText(HistoryText text, varko::Language language);

enum class ChartText {
    Speed,
    Throttle,
    Advance,
    AdvanceChannel, // %1: the channel's number
    Supply,
    Time,
    ThrottleRow, // %1: the row's throttle percentage
    ImageFilter, // the save dialog's filter
    SaveFailed,
};
// A text of the live plot or the advance-curve chart; a language out of range reads as English.
QString chartText(ChartText text, varko::Language language);
enum class LiveLogText {
    FileFilter,       // the log dialogs' filter
    Recording,        // the status bar while recording: %1 seconds, %2 frames
    CannotWrite,      // %1 the file, %2 the reason
    RecordingStopped, // the status bar after a recording ended by itself: %1 s, %2 frames, %3 why
    FileGone,         // why: the recording's file is no longer at its name
    Reading,          // %1 the file, while it is being read
    TooLarge,         // %1 the file, %2 the limit in MB
    CannotRead,       // %1 the file, %2 the reason
    NotALog,          // %1 the file
    NoFrames,
    MalformedLine, // %1 the line number
    MoreMalformed, // %1 how many more
    OtherVersion,  // %1 the log's protocol version, %2 the program's
    Replaying,     // %1 the file
    Play,
    Pause,
    StopReplay,
};
// A text of recording or replaying; a language out of range reads as English.
QString liveLogText(LiveLogText text, varko::Language language);
enum class MapText {
    MovingHint,
    TimeAtCell, // %1 frames, %2 seconds
    SetPrompt,
    AddPrompt,
    ScalePrompt,
    SmoothPrompt,
    Preview,          // %1 cells of %2 change
    NotNumbers,       // %1 line, %2 field
    Dropped,          // %1 values
    BroughtIntoRange, // %1 values
};
// A text of the map's cells, its bulk edits or its paste; a language out of range reads as English.
QString mapText(MapText text, varko::Language language);

// Every control name the text table holds.
QStringList textControlNames();

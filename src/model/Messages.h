#pragma once
// The program's numbered messages in its four languages. Everything that shows a message asks
// for it by number at the moment of showing, so a change of language reaches it at once.

#include "model/Language.h"

#include <QString>
#include <array>
#include <cstdint>

namespace varko {

constexpr int kMessageCount = 44;

namespace Msg {
constexpr int manualFile = 0;
constexpr int programError = 1;
constexpr int verifyError = 2;
constexpr int readError = 3;
constexpr int programDevice = 4;
constexpr int verify = 5;
constexpr int read = 6;
constexpr int saving = 7;
constexpr int unmatchedProtocol = 8;
constexpr int advance = 9;
constexpr int programCount = 10;
constexpr int motorOff = 11;
constexpr int yes = 13;
constexpr int no = 14;
constexpr int comOpeningError = 19;
constexpr int openFileError = 20;
constexpr int defaultSettingQuestion = 21;
constexpr int olderFileVersion = 22;
constexpr int unmatchedFileVersion = 23;
constexpr int noReading = 24;
constexpr int printDateTime = 25;
constexpr int manualOpenError = 26;
constexpr int pickupSystemError = 27;
constexpr int pickup = 28;
constexpr int isRunning = 29;
constexpr int noSignal = 30;
constexpr int servoMeasured = 31;
constexpr int servoDesired = 32;
constexpr int gearShiftLight = 33;
constexpr int clutchMaster = 35;
constexpr int input = 36;
constexpr int killSwitch = 37;
constexpr int open = 38;
constexpr int grounded = 39;
constexpr int backupRead = 41;    // the unit's set is read into the history before a program
constexpr int backupNotKept = 42; // the history could not keep it
constexpr int backupStopped = 43; // the box that says why nothing was programmed
} // namespace Msg

// Entry n in the given language; entries nobody uses are empty.
QString messageText(int n, Language language);

// A text of the program's own beyond the numbered messages, one UTF-8 string per language, kept
// beside the feature that shows it.
using TextRow = std::array<const char*, kLanguageCount>;

// The row's text in the language.
QString textIn(const TextRow& row, Language language);

} // namespace varko

#pragma once
// The last-state file: the whole parameter image of the last run and seven reserved bytes kept
// behind it, as 207 numbers of text. No key, no version, no check value.

#include "model/ParamImage.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace varko {

constexpr int kLastStateReserved = 7;
constexpr int kLastStateCount = kImageSize + kLastStateReserved;

struct LastState {
    ParamImage image;
    // Nothing uses them; they are kept as a file brought them and written back as held.
    std::array<std::uint8_t, kLastStateReserved> reserved{};

    bool operator==(const LastState&) const = default;
};

// 207 numbers as "%5u ", a line end after every tenth and a second one after the 100th and the
// 200th: 23 lines, CR LF line ends, no line end after the last line.
QByteArray writeLastState(const LastState& state);

// Takes up to 207 white-space-separated numbers in order (image bytes, then the reserved bytes),
// keeping the low 8 bits of each; bytes without a number keep their values. Reading stops at the
// first token that does not start with a number: everything after it is ignored. Numbers follow
// the same rules as the parameter file's (sign allowed, magnitude limited, see TokenScanner).
// Returns how many numbers were taken.
int readLastState(const QByteArray& text, LastState& state);

// Saving creates the folder when needed and replaces the old file only once every byte is
// written; false when that fails, and the old file is then as it was.
bool saveLastStateFile(const QString& path, const LastState& state);
// False when the file cannot be read; state is then untouched.
bool loadLastStateFile(const QString& path, LastState& state);

} // namespace varko

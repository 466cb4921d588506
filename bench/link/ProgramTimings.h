#pragma once
// The programs as a user runs them, timed from the unit's end of the line: the window's and the
// command line's idle request period, and how long varko-cli read and program take.

#include <QString>
#include <QTextStream>

// programDir holds varko and varko-cli (the build's, or another build's to compare).
void reportIdleRequestPeriods(QTextStream& out, const QString& programDir);
void reportCommandLineTransfers(QTextStream& out, const QString& programDir);

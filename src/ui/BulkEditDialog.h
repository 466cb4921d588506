#pragma once
// The small dialog of a bulk edit on the map: the edit's number, and beneath it how many of the
// selected cells the number would change, updated as it is typed.

#include <QString>
#include <functional>
#include <optional>

class QWidget;

struct BulkEditQuestion {
    QString title;
    QString prompt;
    double lowest = 0;
    double highest = 0;
    int decimals = 0;
    double start = 0;
    QString cancel; // the Cancel button's caption
    // The preview's line for a number.
    std::function<QString(double)> preview;
};

// The number chosen, or none when the dialog was cancelled.
std::optional<double> askBulkEditNumber(QWidget* parent, const BulkEditQuestion& question);

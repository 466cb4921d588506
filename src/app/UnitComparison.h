#pragma once
// Ignition > "Compare with unit", and the same comparison after a verify found the unit holding
// another set: the unit's set is copy-read (the window's set stays as it is) and the compare view
// opens on the window's set against it.

#include "link/LinkEngine.h"

#include <QObject>
#include <optional>

class MainWindow;

class UnitComparison final : public QObject {
    Q_OBJECT
public:
    UnitComparison(MainWindow& window, varko::LinkEngine& engine, QObject* parent);

    // Starts the copy read, with startText in colour on the status line; the view opens when it
    // ends well. After "Verify error!" that message stays, red, as it came first. The read starts
    // once the engine's call has returned.
    void compareWithUnit(int startText, varko::StatusColour colour);
    // Another transfer was started: a comparison waiting for its read is dropped with it.
    void forget();
    void copyReadEnded(const std::optional<varko::ParamImage>& unitSet);

private:
    MainWindow& window_;
    varko::LinkEngine& engine_;
    bool waiting_ = false;
};

#pragma once
// The pointer shows that the window waits, for a step that holds it until the disk has answered
// (a save waits until the file is safely written, which a slow disk can make noticeable).

#include <QApplication>

// Runs step with the waiting pointer, back to the usual one however step ends; gives its result.
template <typename Step> auto whileBusy(Step&& step) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct Restore {
        ~Restore() { QApplication::restoreOverrideCursor(); }
    } restore;
    return step();
}

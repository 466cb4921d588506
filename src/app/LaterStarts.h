#pragma once
// The command lines that later starts of the program hand to the running window. Each brings
// the window to the front at once and is then taken, one at a time and never while a modal box
// or dialog is open: the question on the screen is answered first.

#include "app/WindowInstance.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

class LaterStarts final : public QObject {
    Q_OBJECT
public:
    LaterStarts(QWidget& window, std::function<void(const HandedOverStart&)> take);

    void arrive(const HandedOverStart& start);

private:
    void bringToFront();
    void takeWaiting();

    QWidget& window_;
    std::function<void(const HandedOverStart&)> take_;
    QList<HandedOverStart> waiting_;
    bool taking_ = false;
    // Looks again while a modal box is open.
    QTimer retry_;
};

#include "app/LaterStarts.h"

#include <QApplication>
#include <QWidget>

namespace {
constexpr int kModalRetryMs = 200;
} // namespace

LaterStarts::LaterStarts(QWidget& window, std::function<void(const HandedOverStart&)> take)
    : QObject(&window), window_(window), take_(std::move(take)) {
    retry_.setSingleShot(true);
    retry_.setInterval(kModalRetryMs);
    connect(&retry_, &QTimer::timeout, this, &LaterStarts::takeWaiting);
}

void LaterStarts::arrive(const HandedOverStart& start) {
    waiting_ << start;
    bringToFront();
    takeWaiting();
}

void LaterStarts::bringToFront() {
    window_.setWindowState(window_.windowState() & ~Qt::WindowMinimized);
    window_.show();
    window_.raise();
    window_.activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void LaterStarts::takeWaiting() {
    if (taking_)
        return; // the one being taken waits for the user; the loop below takes this one next
    if (QApplication::activeModalWidget() != nullptr) {
        retry_.start();
        return;
    }
    taking_ = true;
    // Arriving shows the window, so a hidden one has been closed meanwhile: it takes no more.
    while (!waiting_.isEmpty() && window_.isVisible())
        take_(waiting_.takeFirst());
    waiting_.clear();
    taking_ = false;
}

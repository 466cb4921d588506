#pragma once
// SIGTERM (a logout or shutdown), SIGHUP (the terminal went away) and SIGINT (Ctrl+C) as requests
// that the event loop hears of, so that what they ask for runs as any event handler does and
// never inside the signal handler, which only notes the signal. The platform's part is
// PosixStopSignals.cpp.

#include <QObject>
#include <functional>

class QSocketNotifier;

class StopSignals final : public QObject {
    Q_OBJECT
public:
    // Catches the signals from now on; one caught before whenCaught() waits for it. One object
    // at a time.
    explicit StopSignals(QObject* parent = nullptr);
    // The signals end the program again.
    ~StopSignals() override;
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // From now on stop runs on the event loop after each signal caught; for signals caught
    // before, it runs once as soon as the event loop does.
    void whenCaught(QObject* context, std::function<void()> stop);
    // Whether stop has run: the program is to end, also when the event loop that stop ends is
    // one that runs before the program's own (a box of the start-up).
    bool stopped() const { return stopped_; }

private:
    QSocketNotifier* notifier_ = nullptr;
    bool stopped_ = false;
};

#pragma once
// One window per user and settings folder. The first start of the program takes the instance
// lock of its settings folder and listens on a local socket beside it (windowInstancePath in
// ConfigPaths.h); a later start hands its command line to that window over the socket and ends.
// The lock, not the socket, says whether a window runs: the system drops it when its holder ends,
// however it ends, so the socket a crashed window leaves is a stale file the next window replaces.
// The lock is held until the process ends, after the window has written its files, so two
// windows never write the same settings and last-state files.

#include "app/InstanceLock.h"

#include <QDeadlineTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

class QLocalServer;
class QLocalSocket;

// A later start's command line, for the running window to take.
struct HandedOverStart {
    QStringList arguments;    // arguments[0] is the program
    QString workingDirectory; // where the later start was, for relative file names
    bool operator==(const HandedOverStart&) const = default;
};

class WindowInstance final : public QObject {
    Q_OBJECT
public:
    enum class Start {
        First,      // this start is the window (it holds the lock and listens)
        HandedOver, // the running window took the command line
        NoAnswer,   // a window runs but did not take the command line in time
    };
    enum class Delivery {
        Taken,      // the window answered that it has it
        NotTaken,   // no window listens, or it ended the connection without an answer
        Unanswered, // the deadline passed without an answer
    };

    // path as windowInstancePath() gives it; empty (no runtime folder) makes every start the
    // first, as before windows were counted.
    explicit WindowInstance(const QString& path, QObject* parent = nullptr);
    ~WindowInstance() override;

    // Becomes the window or hands start to the running one, by the deadline. A window that is
    // just starting or just closing is waited for: one that starts answers once its event loop
    // runs, and one that closes lets go of the lock when its process ends.
    Start start(const HandedOverStart& start, QDeadlineTimer deadline);
    // start() without the lock: hands start to the window listening at path.
    static Delivery handOver(const QString& path, const HandedOverStart& start,
                             QDeadlineTimer deadline);

    // From now on each command line handed over reaches take on the event loop, as do those
    // that came before (they are answered as they arrive and kept until then).
    void takeHandedOver(QObject* context, std::function<void(const HandedOverStart&)> take);
    // For the window's close, before it writes its files: a later start finds no window to hand
    // over to and waits until this process has ended before it becomes the window.
    void stopListening();

private:
    void listen();
    void acceptConnections();
    void readRequest(QLocalSocket& socket);
    void deliver();

    QString path_;
    InstanceLock lock_;
    QLocalServer* server_ = nullptr;
    QList<HandedOverStart> waiting_;
    QPointer<QObject> context_;
    std::function<void(const HandedOverStart&)> take_;
};

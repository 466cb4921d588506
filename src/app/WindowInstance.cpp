#include "app/WindowInstance.h"

#include "storage/FileNames.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QtEndian>
#include <chrono>
#include <optional>
#include <thread>

namespace {

// A request: its length as four bytes (big-endian), then the protocol's name, the working
// folder and the arguments, as file names (FileNames.h) and separated by NUL bytes (which no
// argument holds). The answer to a request taken is one byte.
const QByteArray kProtocol = QByteArrayLiteral("varko-start 1");
constexpr char kTaken = '\x06';
constexpr int kLengthSize = 4;
// Far above any command line; a larger request is not one of the program's.
constexpr quint32 kMaxRequestSize = 1024 * 1024;
// Between two tries while a window is starting or closing.
constexpr auto kRetryPause = std::chrono::milliseconds(20);

QString lockPath(const QString& path) {
    return path + QStringLiteral(".lock");
}
QString socketPath(const QString& path) {
    return path + QStringLiteral(".socket");
}

QByteArray requestFor(const HandedOverStart& start) {
    QByteArrayList parts{kProtocol, varko::encodeFileName(start.workingDirectory)};
    for (const QString& argument : start.arguments)
        parts << varko::encodeFileName(argument);
    const QByteArray body = parts.join('\0');
    QByteArray request(kLengthSize, '\0');
    qToBigEndian(quint32(body.size()), request.data());
    return request + body;
}

// nullopt for a body that is not a request of this protocol.
std::optional<HandedOverStart> startFrom(const QByteArray& body) {
    const QByteArrayList parts = body.split('\0');
    if (parts.size() < 2 || parts[0] != kProtocol)
        return std::nullopt;
    HandedOverStart start{{}, varko::decodeFileName(parts[1])};
    for (qsizetype i = 2; i < parts.size(); ++i)
        start.arguments << varko::decodeFileName(parts[i]);
    return start;
}

int millisecondsLeft(const QDeadlineTimer& deadline) {
    return deadline.isForever() ? -1 : int(deadline.remainingTime());
}

WindowInstance::Delivery failedDelivery(const QLocalSocket& socket) {
    return socket.error() == QLocalSocket::SocketTimeoutError ? WindowInstance::Delivery::Unanswered
                                                              : WindowInstance::Delivery::NotTaken;
}

} // namespace

WindowInstance::WindowInstance(const QString& path, QObject* parent)
    : QObject(parent), path_(path) {}

WindowInstance::~WindowInstance() = default;

WindowInstance::Start WindowInstance::start(const HandedOverStart& start, QDeadlineTimer deadline) {
    if (path_.isEmpty())
        return Start::First;
    for (;;) {
        switch (lock_.tryLock(lockPath(path_))) {
        case InstanceLock::Result::Locked:
            listen();
            return Start::First;
        case InstanceLock::Result::Unavailable:
            // A runtime folder that takes no file (a full one) leaves windows uncounted, as
            // they were before; refusing to start would help nobody.
            return Start::First;
        case InstanceLock::Result::HeldElsewhere:
            break;
        }
        switch (handOver(path_, start, deadline)) {
        case Delivery::Taken:
            return Start::HandedOver;
        case Delivery::Unanswered:
            return Start::NoAnswer;
        case Delivery::NotTaken:
            break;
        }
        if (deadline.hasExpired())
            return Start::NoAnswer;
        std::this_thread::sleep_for(kRetryPause);
    }
}

WindowInstance::Delivery WindowInstance::handOver(const QString& path, const HandedOverStart& start,
                                                  QDeadlineTimer deadline) {
    QLocalSocket socket;
    socket.connectToServer(socketPath(path));
    if (!socket.waitForConnected(millisecondsLeft(deadline)))
        return failedDelivery(socket);
    socket.write(requestFor(start));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(millisecondsLeft(deadline)))
            return failedDelivery(socket);
    }
    while (socket.bytesAvailable() == 0) {
        if (!socket.waitForReadyRead(millisecondsLeft(deadline)))
            return failedDelivery(socket);
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == kTaken ? Delivery::Taken : Delivery::NotTaken;
}

void WindowInstance::listen() {
    server_ = new QLocalServer(this);
    const QString socket = socketPath(path_);
    // Whoever listened there has let go of the lock, so the socket is a stale one.
    QLocalServer::removeServer(socket);
    if (!server_->listen(socket)) {
        // The lock stays held, so no second window can start; later starts say that this one
        // does not answer.
        delete server_;
        server_ = nullptr;
        return;
    }
    connect(server_, &QLocalServer::newConnection, this, &WindowInstance::acceptConnections);
}

void WindowInstance::acceptConnections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(*socket); });
        readRequest(*socket);
    }
}

void WindowInstance::readRequest(QLocalSocket& socket) {
    if (socket.bytesAvailable() < kLengthSize)
        return;
    const quint32 size = qFromBigEndian<quint32>(socket.peek(kLengthSize).constData());
    if (size > kMaxRequestSize) {
        socket.abort();
        return;
    }
    if (socket.bytesAvailable() < kLengthSize + qint64(size))
        return;
    socket.skip(kLengthSize);
    const std::optional<HandedOverStart> start = startFrom(socket.read(size));
    if (!start) {
        socket.abort();
        return;
    }
    // Answered at once: what the window does with it may wait for the user.
    socket.putChar(kTaken);
    socket.disconnectFromServer();
    waiting_ << *start;
    QMetaObject::invokeMethod(this, &WindowInstance::deliver, Qt::QueuedConnection);
}

void WindowInstance::takeHandedOver(QObject* context,
                                    std::function<void(const HandedOverStart&)> take) {
    context_ = context;
    take_ = std::move(take);
    QMetaObject::invokeMethod(this, &WindowInstance::deliver, Qt::QueuedConnection);
}

void WindowInstance::deliver() {
    // stopListening() empties the list, also while a take waits for the user.
    while (context_ && take_ && !waiting_.isEmpty())
        take_(waiting_.takeFirst());
}

void WindowInstance::stopListening() {
    if (server_ == nullptr)
        return;
    server_->close();
    for (QLocalSocket* socket : server_->findChildren<QLocalSocket*>())
        socket->abort();
    waiting_.clear();
}

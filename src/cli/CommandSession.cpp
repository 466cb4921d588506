#include "cli/CommandSession.h"

#include "link/SerialPort.h"

namespace varko::cli {

CommandSession::CommandSession(const QString& devicePath, CliIo& io)
    : session_(settings_, makeSystemSerialPort()) {
    session_.engine().setPortResolver([devicePath](int) { return devicePath; });
    QObject::connect(
        &session_, &UnitSession::messageToShow, [this, &io](const LinkMessage& message) {
            io.err << message.text << "\n";
            io.err.flush();
            portFailed_ = portFailed_ || message.kind == LinkMessageKind::ComOpeningError;
        });
}

bool CommandSession::openPort() {
    session_.engine().openPort();
    return !portFailed_;
}

void CommandSession::run(const std::function<bool()>& afterTick) {
    const QMetaObject::Connection ticks =
        QObject::connect(&session_, &UnitSession::tickEnded, &loop_, [this, &afterTick] {
            if (afterTick())
                loop_.quit();
        });
    session_.tickTimer().start();
    loop_.exec();
    session_.tickTimer().stop();
    QObject::disconnect(ticks);
}

} // namespace varko::cli

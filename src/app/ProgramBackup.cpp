#include "app/ProgramBackup.h"

#include "app/WindowLink.h"
#include "document/Document.h"

#include "model/Messages.h"
#include "storage/ConfigPaths.h"
#include "storage/History.h"
#include "ui/MainWindowUi.h"
#include "ui/MessageBoxes.h"

#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QTimer>

using namespace varko;

ProgramBackup::ProgramBackup(WindowLink& link, MainWindowUi& ui, Document& document)
    : QObject(&link), link_(link), engine_(link.engine()), ui_(ui), document_(document) {
    connect(ui_.menu.backupBeforeProgramming, &QAction::toggled, this,
            [this](bool on) { document_.settings().backupBeforeProgramming = on; });
    showSetting();
}

void ProgramBackup::showSetting() {
    ui_.menu.backupBeforeProgramming->setChecked(document_.settings().backupBeforeProgramming);
}

bool ProgramBackup::backupDue() const {
    return document_.settings().backupBeforeProgramming &&
           setKnownOn_ != engine_.state().connection;
}

void ProgramBackup::program(bool collectFirst) {
    ++attempt_;
    if (!backupDue()) {
        waitingProgram_.reset();
        startProgram(collectFirst);
        return;
    }
    waitingProgram_ = collectFirst;
    engine_.startCopyRead(Msg::backupRead);
}

void ProgramBackup::startProgram(bool collectFirst) {
    if (collectFirst) {
        engine_.startProgram();
        return;
    }
    link_.takeSetToSend();
    engine_.startAutoProgram();
}

void ProgramBackup::unitSetRead() {
    setKnownOn_ = engine_.state().connection;
}

void ProgramBackup::forget() {
    ++attempt_;
    waitingProgram_.reset();
}

// Finished once the engine's call has returned: the engine is still ending the copy read, and a
// call from it must neither start a transfer nor open a box.
void ProgramBackup::copyReadEnded(TransferResult result, const std::optional<ParamImage>& unitSet) {
    if (!waitingProgram_)
        return; // not a backup's read
    QTimer::singleShot(0, this, [this, result, unitSet, attempt = attempt_] {
        if (attempt == attempt_)
            finishBackup(result, unitSet);
    });
}

void ProgramBackup::finishBackup(TransferResult result, const std::optional<ParamImage>& unitSet) {
    const bool collectFirst = *waitingProgram_;
    waitingProgram_.reset();
    if (!unitSet) {
        // The status line keeps the read's own failure text; another version has its own box,
        // and a program would stop on it as well.
        if (result != TransferResult::VersionMismatch)
            tellStopped(QString());
        return;
    }
    History history(historyDir());
    if (!history.add(*unitSet, HistoryEvent::BeforeProgramming, link_.unitIdentity(),
                     document_.file(), QDateTime::currentDateTime())) {
        engine_.showStatusText(messageText(Msg::backupNotKept, document_.language()),
                               StatusColour::Red);
        tellStopped(historyDir());
        return;
    }
    setKnownOn_ = engine_.state().connection;
    startProgram(collectFirst);
}

void ProgramBackup::tellStopped(const QString& detail) {
    QString text = messageText(Msg::backupStopped, document_.language());
    if (!detail.isEmpty())
        text += QStringLiteral("\n\n") + detail;
    MessageBoxes::current().warn(ui_.client->window(), text);
}

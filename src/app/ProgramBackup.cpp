#include "app/ProgramBackup.h"

#include "model/Messages.h"
#include "storage/ConfigPaths.h"
#include "ui/MainWindowUi.h"

#include <QAction>
#include <QDateTime>
#include <QLabel>

using namespace varko;

ProgramBackup::ProgramBackup(LinkEngine& engine, MainWindowUi& ui, WindowSettings& settings,
                             const LiveValues& live, QObject* parent)
    : QObject(parent), engine_(engine), ui_(ui), settings_(settings), live_(live) {
    connect(ui_.menu.backupBeforeProgramming, &QAction::toggled, this,
            [this](bool on) { settings_.backupBeforeProgramming = on; });
    showSetting();
}

void ProgramBackup::showSetting() {
    ui_.menu.backupBeforeProgramming->setChecked(settings_.backupBeforeProgramming);
}

bool ProgramBackup::backupDue() const {
    return settings_.backupBeforeProgramming && setKnownOn_ != engine_.state().connection;
}

void ProgramBackup::program(bool collectFirst) {
    if (!backupDue()) {
        waitingProgram_.reset();
        startProgram(collectFirst);
        return;
    }
    waitingProgram_ = collectFirst;
    engine_.startCopyRead(Msg::backupRead);
}

void ProgramBackup::startProgram(bool collectFirst) {
    if (collectFirst)
        engine_.startProgram();
    else
        engine_.startAutoProgram();
}

void ProgramBackup::unitSetRead() {
    setKnownOn_ = engine_.state().connection;
}

void ProgramBackup::forget() {
    waitingProgram_.reset();
}

void ProgramBackup::copyReadEnded(TransferResult result, const std::optional<ParamImage>& unitSet) {
    if (!waitingProgram_)
        return; // not a backup's read
    const bool collectFirst = *waitingProgram_;
    waitingProgram_.reset();
    if (!unitSet) {
        // Why comes first: the read's own failure text, or the version box for another version.
        const QString failed = messageText(Msg::backupFailed, settings_.language);
        stop(result == TransferResult::VersionMismatch
                 ? failed
                 : engine_.status().statusText + QLatin1Char(' ') + failed);
        return;
    }
    History history(historyDir());
    if (!history.add(*unitSet, HistoryEvent::BeforeProgramming, unitIdentity(),
                     ui_.fileLabel->text(), QDateTime::currentDateTime())) {
        stop(messageText(Msg::backupNotKept, settings_.language));
        return;
    }
    setKnownOn_ = engine_.state().connection;
    startProgram(collectFirst);
}

void ProgramBackup::stop(const QString& reason) {
    engine_.showStatusText(reason, StatusColour::Red);
}

UnitIdentity ProgramBackup::unitIdentity() const {
    const DeviceTexts& texts = engine_.deviceTexts();
    return {texts.deviceName, texts.deviceDate, live_.programCount};
}

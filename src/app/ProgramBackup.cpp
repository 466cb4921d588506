#include "app/ProgramBackup.h"

#include "model/Messages.h"
#include "ui/MainWindowUi.h"
#include "ui/MessageBoxes.h"

#include <QAction>
#include <QLabel>

using namespace varko;

ProgramBackup::ProgramBackup(UnitSession& session, MainWindowUi& ui, WindowSettings& settings,
                             QObject* parent)
    : QObject(parent), session_(session), ui_(ui), settings_(settings) {
    connect(ui_.menu.backupBeforeProgramming, &QAction::toggled, this,
            [this](bool on) { settings_.backupBeforeProgramming = on; });
    showSetting();
}

void ProgramBackup::showSetting() {
    ui_.menu.backupBeforeProgramming->setChecked(settings_.backupBeforeProgramming);
}

bool ProgramBackup::backupDue() const {
    return settings_.backupBeforeProgramming && setKnownOn_ != session_.engine().state().connection;
}

UnitOperation* ProgramBackup::program(const ParamImage& image) {
    if (!backupDue())
        return session_.program(image);
    BackupThenProgram* program = session_.backupThenProgram(image, ui_.fileLabel->text());
    connect(program, &BackupThenProgram::backupKept, this, &ProgramBackup::unitSetRead);
    // The status line keeps the read's own failure text; another version has its own box, and a
    // program would stop on it as well.
    connect(program, &BackupThenProgram::backupNotRead, this, [this](TransferResult result) {
        if (result != TransferResult::VersionMismatch)
            tellStopped(QString());
    });
    connect(program, &BackupThenProgram::backupNotKept, this, &ProgramBackup::tellStopped);
    return program;
}

void ProgramBackup::unitSetRead() {
    setKnownOn_ = session_.engine().state().connection;
}

void ProgramBackup::tellStopped(const QString& detail) {
    QString text = messageText(Msg::backupStopped, settings_.language);
    if (!detail.isEmpty())
        text += QStringLiteral("\n\n") + detail;
    MessageBoxes::current().warn(ui_.client->window(), text);
}

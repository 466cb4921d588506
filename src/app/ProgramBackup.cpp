#include "app/ProgramBackup.h"

#include "document/Document.h"
#include "model/Messages.h"
#include "ui/MainWindowUi.h"
#include "ui/MessageBoxes.h"

#include <QAction>
#include <QLabel>

using namespace varko;

ProgramBackup::ProgramBackup(UnitSession& session, MainWindowUi& ui, Document& document,
                             QObject* parent)
    : QObject(parent), session_(session), ui_(ui), document_(document) {
    connect(ui_.menu.backupBeforeProgramming, &QAction::toggled, this,
            [this](bool on) { document_.settings().backupBeforeProgramming = on; });
    showSetting();
}

void ProgramBackup::showSetting() {
    ui_.menu.backupBeforeProgramming->setChecked(document_.settings().backupBeforeProgramming);
}

bool ProgramBackup::backupDue() const {
    return document_.settings().backupBeforeProgramming &&
           setKnownOn_ != session_.engine().state().connection;
}

UnitOperation* ProgramBackup::program(const ParamImage& image) {
    if (!backupDue())
        return session_.program(image);
    BackupThenProgram* program = session_.backupThenProgram(image, document_.file());
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
    QString text = messageText(Msg::backupStopped, document_.language());
    if (!detail.isEmpty())
        text += QStringLiteral("\n\n") + detail;
    MessageBoxes::current().warn(ui_.client->window(), text);
}

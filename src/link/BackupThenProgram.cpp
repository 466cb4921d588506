#include "link/BackupThenProgram.h"

#include "link/UnitSession.h"
#include "model/Messages.h"
#include "storage/ConfigPaths.h"
#include "storage/History.h"

#include <QDateTime>
#include <QTimer>

namespace varko {

BackupThenProgram::BackupThenProgram(UnitSession& session, const ParamImage& image,
                                     const QString& openFile)
    : UnitOperation(session), image_(image), openFile_(openFile) {}

void BackupThenProgram::transferEnded(TransferResult result,
                                      const std::optional<ParamImage>& unitSet) {
    if (programming_) {
        UnitOperation::transferEnded(result, unitSet);
        return;
    }
    // Once the engine's call has returned: the program is a transfer of its own, and whoever
    // hears of a failure may open a box.
    QTimer::singleShot(0, this, [this, result, unitSet] {
        if (running())
            keepBackup(result, unitSet);
    });
}

void BackupThenProgram::keepBackup(TransferResult result,
                                   const std::optional<ParamImage>& unitSet) {
    if (!unitSet) {
        end();
        emit backupNotRead(result);
        return;
    }
    History history(historyDir());
    const std::optional<HistoryEntry> entry =
        history.add(*unitSet, HistoryEvent::BeforeProgramming, session_.unitIdentity(), openFile_,
                    QDateTime::currentDateTime());
    if (!entry) {
        session_.engine().showStatusMessage(Msg::backupNotKept, StatusColour::Red);
        end();
        emit backupNotKept(historyDir());
        return;
    }
    emit backupKept(history.filePath(*entry));
    programming_ = true;
    session_.engine().startProgram(image_);
}

} // namespace varko

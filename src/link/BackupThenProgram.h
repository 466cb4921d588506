#pragma once
// Backup before programming, one operation for the window and the command line alike: the unit's
// set is copy-read as it is and kept in the history as "before programming", and only then is
// the image programmed and verified. When the set cannot be read or kept, nothing is
// programmed. Whether a backup is due is the caller's to decide.

#include "link/UnitOperation.h"

#include <QString>

namespace varko {

class BackupThenProgram final : public UnitOperation {
    Q_OBJECT
signals:
    // The unit's set is kept in the history as the file at filePath; the program starts next and
    // ends with finished.
    void backupKept(const QString& filePath);
    // Nothing was programmed: the backup's read ended with result, which the status line (and,
    // for another protocol version, the link's message) has told. The operation ends here,
    // without finished.
    void backupNotRead(varko::TransferResult result);
    // Nothing was programmed: the history folder could not keep the unit's set, as the status
    // line now says. The operation ends here, without finished.
    void backupNotKept(const QString& folder);

private:
    friend class UnitSession;
    BackupThenProgram(UnitSession& session, const ParamImage& image, const QString& openFile);

    void transferEnded(TransferResult result, const std::optional<ParamImage>& unitSet) override;
    void keepBackup(TransferResult result, const std::optional<ParamImage>& unitSet);

    ParamImage image_;
    QString openFile_;
    bool programming_ = false;
};

} // namespace varko

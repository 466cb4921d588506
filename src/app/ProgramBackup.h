#pragma once
// Backup before programming in the window: whether it is due (the first program on a
// connection, when the unit's set has not come to the window since the unit answered, and the
// Tools menu's check item, kept in the settings, is on), and the box that says why nothing was
// programmed when the backup failed. The backup itself is the link's BackupThenProgram.

#include "link/UnitSession.h"

#include <QObject>
#include <cstdint>
#include <optional>

struct MainWindowUi;
namespace varko {
class Document;
}

class ProgramBackup final : public QObject {
    Q_OBJECT
public:
    ProgramBackup(varko::UnitSession& session, MainWindowUi& ui, varko::Document& document,
                  QObject* parent);

    // The settings have been loaded: the menu item shows them.
    void showSetting();
    // Starts programming image, after the backup when one is due. The operation ends with the
    // program's finished, unless the backup failed.
    varko::UnitOperation* program(const varko::ParamImage& image);
    // The unit's set came to the window (a read) or into the history (a backup) on the current
    // connection.
    void unitSetRead();

private:
    bool backupDue() const;
    // A box says that nothing was programmed, and why when detail is given.
    void tellStopped(const QString& detail);

    varko::UnitSession& session_;
    MainWindowUi& ui_;
    varko::Document& document_;
    // The connection on which the unit's set last came to the window.
    std::optional<std::uint32_t> setKnownOn_;
};

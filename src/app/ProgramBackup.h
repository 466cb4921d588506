#pragma once
// Backup before programming: the first program on a connection, when the unit's set has not
// come to the window since the unit answered, first copy-reads that set and keeps it in the
// history; only then does it program. A failed backup programs nothing and says so in a box. The
// Tools menu's check item (kept in the settings) turns it off.

#include "link/LinkEngine.h"

#include <QObject>
#include <cstdint>
#include <optional>

class WindowLink;
struct MainWindowUi;
namespace varko {
class Document;
}

class ProgramBackup final : public QObject {
    Q_OBJECT
public:
    // A child of link, whose engine it drives.
    ProgramBackup(WindowLink& link, MainWindowUi& ui, varko::Document& document);

    // The settings have been loaded: the menu item shows them.
    void showSetting();
    // Programs the window's image, collecting the controls first when asked (the user's
    // Program) or as it is (programming after change); after the backup when one is due.
    void program(bool collectFirst);
    // A read brought the unit's set on the current connection.
    void unitSetRead();
    // Another transfer was started: a program waiting for its backup is dropped with it.
    void forget();
    void copyReadEnded(varko::TransferResult result,
                       const std::optional<varko::ParamImage>& unitSet);

private:
    bool backupDue() const;
    void startProgram(bool collectFirst);
    void finishBackup(varko::TransferResult result,
                      const std::optional<varko::ParamImage>& unitSet);
    // A box says that nothing was programmed, and why when detail is given.
    void tellStopped(const QString& detail);

    WindowLink& link_;
    varko::LinkEngine& engine_;
    MainWindowUi& ui_;
    varko::Document& document_;
    // The connection on which the unit's set last came to the window.
    std::optional<std::uint32_t> setKnownOn_;
    // A program waiting for its backup; true when it collects the controls first.
    std::optional<bool> waitingProgram_;
    // Counts the starts, so a backup's end that arrives after another start is passed over.
    std::uint64_t attempt_ = 0;
};

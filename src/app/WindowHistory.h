#pragma once
// The window's side of the history: every set read from the unit or programmed into it is kept,
// and File > History loads a kept set as Open loads a file.

#include "link/LinkFrame.h"
#include "storage/History.h"

#include <QDateTime>
#include <QObject>
#include <optional>

class FileFlows;
class QAction;
class QMainWindow;
class WindowLink;
namespace varko {
class Document;
}

class WindowHistory final : public QObject {
    Q_OBJECT
public:
    // Connects the menu item and the link's ended transfers.
    WindowHistory(QMainWindow& window, QAction* historyItem, const varko::Document& document,
                  WindowLink& link, FileFlows& files);

private:
    // Keeps the window's set after a read or a program that ended OK, with the unit's count as
    // its live data gives it. A program's own store shows only in the live data after it, so its
    // entry waits for them (keepProgrammed).
    void keep(varko::TransferMode started);
    // The program's entry that waits, with the count the unit now reports: the one after the
    // program once live data came, not known when the unit went first.
    void keepProgrammed();
    // A set that cannot be kept is named on the status bar only: the transfer's own result
    // stands, and no box may stop the user in the middle of the link's work.
    void add(const varko::ParamImage& image, varko::HistoryEvent event, const QString& openFile,
             const QDateTime& when);
    void chooseAndOpen();

    struct Programmed {
        varko::ParamImage image;
        QString openFile;
        QDateTime when;
    };

    QMainWindow& window_;
    const varko::Document& document_;
    WindowLink& link_;
    FileFlows& files_;
    std::optional<Programmed> programmed_;
};

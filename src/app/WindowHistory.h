#pragma once
// The window's side of the history: every set read from the unit or programmed into it is kept,
// and File > History loads a kept set as Open loads a file.

#include "link/LinkFrame.h"

#include <QObject>

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
    // its live data last gave it (a program's own store shows only in the frames after it). A
    // set that cannot be kept is named on the status bar only: the transfer's own result
    // stands, and no box may stop the user in the middle of the link's work.
    void keep(varko::TransferMode started);
    void chooseAndOpen();

    QMainWindow& window_;
    const varko::Document& document_;
    WindowLink& link_;
    FileFlows& files_;
};

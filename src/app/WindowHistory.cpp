#include "app/WindowHistory.h"

#include "app/FileFlows.h"
#include "app/MainWindow.h"
#include "app/WindowLink.h"
#include "storage/ConfigPaths.h"
#include "storage/History.h"
#include "ui/HistoryDialog.h"
#include "ui/MainWindowUi.h"
#include "ui/Texts.h"

#include <QAction>
#include <QDateTime>
#include <QStatusBar>

using namespace varko;

namespace {
constexpr int kNoteMs = 10000;
} // namespace

WindowHistory::WindowHistory(MainWindow& window, MainWindowUi& ui, WindowLink& link,
                             FileFlows& files)
    : QObject(&window), window_(window), link_(link), files_(files) {
    connect(ui.menu.history, &QAction::triggered, this, &WindowHistory::chooseAndOpen);
    connect(&link, &WindowLink::transferSucceeded, this, &WindowHistory::keep);
}

void WindowHistory::keep(TransferMode started) {
    HistoryEvent event = HistoryEvent::Read;
    if (started == TransferMode::Program)
        event = HistoryEvent::Programmed;
    else if (started != TransferMode::Read)
        return;
    History history(historyDir());
    if (!history.add(window_.image(), event, link_.unitIdentity(), files_.openFile(),
                     QDateTime::currentDateTime())) {
        window_.statusBar()->showMessage(historyText(HistoryText::NotKept, window_.language()),
                                         kNoteMs);
    }
}

void WindowHistory::chooseAndOpen() {
    const History history(historyDir());
    const auto chosen = chooseHistoryEntry(&window_, history.entries(), window_.language());
    if (chosen)
        files_.openKeptCopy(history.filePath(*chosen));
}

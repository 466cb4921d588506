#include "app/WindowHistory.h"

#include "app/FileFlows.h"
#include "app/WindowLink.h"
#include "document/Document.h"
#include "storage/ConfigPaths.h"
#include "storage/History.h"
#include "ui/HistoryDialog.h"
#include "ui/Texts.h"

#include <QAction>
#include <QDateTime>
#include <QMainWindow>
#include <QStatusBar>

using namespace varko;

namespace {
constexpr int kNoteMs = 10000;
} // namespace

WindowHistory::WindowHistory(QMainWindow& window, QAction* historyItem, const Document& document,
                             WindowLink& link, FileFlows& files)
    : QObject(&window), window_(window), document_(document), link_(link), files_(files) {
    connect(historyItem, &QAction::triggered, this, &WindowHistory::chooseAndOpen);
    connect(&link, &WindowLink::transferSucceeded, this, &WindowHistory::keep);
}

void WindowHistory::keep(TransferMode started) {
    HistoryEvent event = HistoryEvent::Read;
    if (started == TransferMode::Program)
        event = HistoryEvent::Programmed;
    else if (started != TransferMode::Read)
        return;
    History history(historyDir());
    if (!history.add(document_.image(), event, link_.unitIdentity(), document_.file(),
                     QDateTime::currentDateTime())) {
        window_.statusBar()->showMessage(historyText(HistoryText::NotKept, document_.language()),
                                         kNoteMs);
    }
}

void WindowHistory::chooseAndOpen() {
    const History history(historyDir());
    const auto chosen = chooseHistoryEntry(&window_, history.entries(), document_.language());
    if (chosen)
        files_.openKeptCopy(history.filePath(*chosen));
}

#include "app/WindowHistory.h"

#include "app/FileFlows.h"
#include "app/WindowLink.h"
#include "document/Document.h"
#include "storage/ConfigPaths.h"
#include "ui/HistoryDialog.h"
#include "ui/Texts.h"

#include <QAction>
#include <QDateTime>
#include <QMainWindow>
#include <QStatusBar>
#include <utility>

using namespace varko;

namespace {
constexpr int kNoteMs = 10000;
} // namespace

WindowHistory::WindowHistory(QMainWindow& window, QAction* historyItem, const Document& document,
                             WindowLink& link, FileFlows& files)
    : QObject(&window), window_(window), document_(document), link_(link), files_(files) {
    connect(historyItem, &QAction::triggered, this, &WindowHistory::chooseAndOpen);
    connect(&link, &WindowLink::transferSucceeded, this, &WindowHistory::keep);
    connect(&link, &WindowLink::readingDecoded, this,
            [this](const LiveReading&, std::optional<qint64> logTimeMs) {
                if (!logTimeMs) // the unit's own, not a log's
                    keepProgrammed();
            });
    connect(&link, &WindowLink::unitGone, this, &WindowHistory::keepProgrammed);
}

void WindowHistory::keep(TransferMode started) {
    const QDateTime now = QDateTime::currentDateTime();
    if (started == TransferMode::Read) {
        add(document_.image(), HistoryEvent::Read, document_.file(), now);
    } else if (started == TransferMode::Program) {
        keepProgrammed(); // an earlier program that heard no live data since
        programmed_ = Programmed{document_.image(), document_.file(), now};
    }
}

void WindowHistory::keepProgrammed() {
    if (!programmed_)
        return;
    const Programmed programmed = *std::exchange(programmed_, std::nullopt);
    add(programmed.image, HistoryEvent::Programmed, programmed.openFile, programmed.when);
}

void WindowHistory::add(const ParamImage& image, HistoryEvent event, const QString& openFile,
                        const QDateTime& when) {
    History history(historyDir());
    if (!history.add(image, event, link_.unitIdentity(), openFile, when)) {
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

#pragma once
// File › "Open live-data log...": reads the log, says what was wrong with it, and plays it back
// through the window's live display at the pace it was recorded (or 4 or 16 times faster),
// with the link set aside while it runs and given back when the replay stops.

#include "link/LiveReplay.h"
#include "ui/FileDialogs.h"

#include <QElapsedTimer>
#include <QObject>
#include <memory>

namespace varko {
class Document;
}
class QMainWindow;
class QTimer;
class ReplayPanel;
class WindowLink;

class LiveReplayDriver final : public QObject {
    Q_OBJECT
public:
    // The texts are in the document's language of the moment.
    LiveReplayDriver(QMainWindow& window, WindowLink& link, const varko::Document& document);
    ~LiveReplayDriver() override;

    // Asks for a log and plays it from its start.
    void open();
    // Plays the log at path; false when it holds no frame to play (after saying why).
    bool play(const QString& path);
    // Back to the unit; nothing happens when no replay runs.
    void stop();
    // The panel's texts and the status line's note in the window's language, while replaying.
    void showTexts();

    bool isReplaying() const { return replay_ != nullptr; }
    const varko::LiveReplay* replay() const { return replay_.get(); }

private:
    void step();
    void togglePlaying();
    void setPlaying(bool playing);
    void seek(int record);
    // Shows the records the replay hands over, and where it stands.
    void show(std::span<const varko::LiveRecord> records);

    QMainWindow& window_;
    WindowLink& link_;
    const varko::Document& document_;
    FileDialog dialog_;
    QString logName_;
    std::unique_ptr<varko::LiveReplay> replay_;
    ReplayPanel* panel_ = nullptr;
    QTimer* timer_;
    QElapsedTimer sinceStep_;
};

#pragma once
// File › "Open live-data log...": reads the log off the window's thread with its progress shown,
// says what was wrong with it, and plays it back through the window's live display at the pace
// it was recorded (or 4 or 16 times faster), with the link set aside while it runs and given back
// when the replay stops.

#include "link/LiveDataCsv.h"
#include "link/LiveReplay.h"
#include "ui/FileDialogs.h"

#include <QElapsedTimer>
#include <QObject>
#include <memory>

namespace varko {
class Document;
class LiveLogLoader;
} // namespace varko
class QMainWindow;
class QProgressDialog;
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
    // Starts reading the log at path; once it is read it plays, or the user is told why it does
    // not (a file that cannot be read, no log, no frame in it). A replay running goes on until
    // then; a log being read is dropped.
    void load(const QString& path);
    // Back to the unit: a replay ends and a log being read is dropped.
    void stop();
    // The panel's texts and the status line's note in the window's language, while replaying.
    void showTexts();

    bool isLoading() const { return loader_ != nullptr; }
    bool isReplaying() const { return replay_ != nullptr; }
    const varko::LiveReplay* replay() const { return replay_.get(); }

private:
    // Shows how far the reading has come; plays the log once it is read.
    void followLoading();
    void dropLoading();
    // Plays the log read from path, or says why it does not.
    void play(varko::LiveLogFile file, const QString& path);
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
    std::unique_ptr<varko::LiveLogLoader> loader_;
    QProgressDialog* loadProgress_ = nullptr;
    QTimer* loadTimer_;
    std::unique_ptr<varko::LiveReplay> replay_;
    ReplayPanel* panel_ = nullptr;
    QTimer* timer_;
    QElapsedTimer sinceStep_;
};

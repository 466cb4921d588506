#pragma once
// Recording the live data from the window: Ignition › "Record live data..." and the toolbar's
// toggle start and stop it, the status bar shows how long it runs and how many frames it holds
// (and why, when it ended by itself: a full disk, its file deleted or replaced), and losing the
// unit or closing the window ends the file cleanly.

#include "link/LiveRecorder.h"
#include "ui/FileDialogs.h"

#include <QObject>

namespace varko {
class Document;
}
class QLabel;
class QTimer;
class QWidget;
struct MainWindowUi;

class LiveRecording final : public QObject {
    Q_OBJECT
public:
    // The texts are in the document's language of the moment.
    LiveRecording(QWidget& window, MainWindowUi& ui, const varko::Document& document);

    // A frame from the unit; kept while a recording runs.
    void frame(const varko::LiveRecord& record);
    // Ends the recording, if one runs.
    void stop();
    // While a log is replayed no recording can start, and one running ends.
    void setAvailable(bool available);

    bool isRecording() const { return recorder_.isRecording(); }
    const varko::LiveRecorder& recorder() const { return recorder_; }

private:
    void toggled(bool on);
    void start();
    // The toggles and the status bar field as the recorder stands.
    void showState();

    QWidget& window_;
    MainWindowUi& ui_;
    const varko::Document& document_;
    varko::LiveRecorder recorder_;
    FileDialog dialog_;
    QLabel* statusField_;
    QTimer* secondTimer_;
};

#include "app/LiveReplayDriver.h"

#include "document/Document.h"

#include "app/WindowLink.h"
#include "link/LiveLogLoader.h"
#include "link/TickTimer.h"
#include "ui/MessageBoxes.h"
#include "ui/ReplayPanel.h"
#include "ui/Texts.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QProgressDialog>
#include <QTimer>

using namespace varko;

namespace {

constexpr int kMalformedLinesNamed = 10; // the rest are counted
// How often the reading's progress is looked at, and how long a reading may take before its
// progress is shown.
constexpr int kLoadingCheckMs = 50;
constexpr int kProgressAfterMs = 300;

// Why the file could not be read as a log; empty when it could.
QString readProblem(const LiveLogFile& file, const QString& path, Language language) {
    if (file.refusal.tooLarge) {
        return liveLogText(LiveLogText::TooLarge, language)
            .arg(path)
            .arg(kMaxLiveLogSize / (1024 * 1024));
    }
    if (!file.refusal.reason.isEmpty())
        return liveLogText(LiveLogText::CannotRead, language).arg(path, file.refusal.reason);
    if (!file.log.isLiveLog)
        return liveLogText(LiveLogText::NotALog, language).arg(path);
    return {};
}

// What the user should know about a log before it plays; empty when it is fine.
QString logProblems(const LiveLog& log, Language language) {
    QStringList lines;
    const int named = std::min<int>(kMalformedLinesNamed, int(log.malformedLines.size()));
    for (int i = 0; i < named; ++i)
        lines << liveLogText(LiveLogText::MalformedLine, language).arg(log.malformedLines[i]);
    if (int(log.malformedLines.size()) > named) {
        lines << liveLogText(LiveLogText::MoreMalformed, language)
                     .arg(log.malformedLines.size() - named);
    }
    if (log.otherProtocolVersion) {
        lines << liveLogText(LiveLogText::OtherVersion, language)
                     .arg(*log.otherProtocolVersion)
                     .arg(int(kProtocolVersion));
    }
    if (log.records.empty())
        lines << liveLogText(LiveLogText::NoFrames, language);
    return lines.join('\n');
}

} // namespace

LiveReplayDriver::LiveReplayDriver(QMainWindow& window, WindowLink& link, const Document& document)
    : QObject(&link), window_(window), link_(link), document_(document),
      loadTimer_(new QTimer(this)), timer_(new QTimer(this)) {
    dialog_.kind = FileDialog::Kind::Open;
    loadTimer_->setInterval(kLoadingCheckMs);
    connect(loadTimer_, &QTimer::timeout, this, &LiveReplayDriver::followLoading);
    timer_->setInterval(kTickMs);
    connect(timer_, &QTimer::timeout, this, &LiveReplayDriver::step);
}

LiveReplayDriver::~LiveReplayDriver() = default;

void LiveReplayDriver::open() {
    dialog_.filter = liveLogText(LiveLogText::FileFilter, document_.language());
    if (FileDialogs::current().execute(&window_, dialog_))
        load(dialog_.fileName);
}

void LiveReplayDriver::load(const QString& path) {
    dropLoading();
    loader_ = std::make_unique<LiveLogLoader>(path);
    const Language language = document_.language();
    loadProgress_ = new QProgressDialog(
        liveLogText(LiveLogText::Reading, language).arg(QFileInfo(path).fileName()),
        historyText(HistoryText::Cancel, language), 0, 100, &window_);
    loadProgress_->setObjectName(QStringLiteral("LiveLogProgress"));
    // The window goes on meanwhile: the rider may edit, or choose another log.
    loadProgress_->setWindowModality(Qt::NonModal);
    loadProgress_->setMinimumDuration(kProgressAfterMs);
    loadProgress_->setValue(0);
    connect(loadProgress_, &QProgressDialog::canceled, this, &LiveReplayDriver::dropLoading);
    loadTimer_->start();
}

void LiveReplayDriver::followLoading() {
    if (!loader_->isDone()) {
        loadProgress_->setValue(int(loader_->progress() * 100));
        return;
    }
    const QString path = loader_->path();
    LiveLogFile file = loader_->take();
    dropLoading();
    play(std::move(file), path);
}

void LiveReplayDriver::dropLoading() {
    loadTimer_->stop();
    loader_.reset();
    if (loadProgress_ != nullptr) {
        loadProgress_->deleteLater(); // its cancel button may be what asked
        loadProgress_ = nullptr;
    }
}

void LiveReplayDriver::play(LiveLogFile file, const QString& path) {
    if (const QString problem = readProblem(file, path, document_.language()); !problem.isEmpty()) {
        MessageBoxes::current().inform(&window_, problem);
        return;
    }
    LiveLog& log = file.log;
    if (const QString problems = logProblems(log, document_.language()); !problems.isEmpty())
        MessageBoxes::current().inform(&window_, problems);
    if (log.records.empty())
        return;

    stop();
    link_.beginReplay();
    logName_ = QFileInfo(path).fileName();
    replay_ = std::make_unique<LiveReplay>(std::move(log.records));
    panel_ = new ReplayPanel(&window_);
    showTexts();
    panel_->setLength(int(replay_->records().size()));
    connect(panel_, &ReplayPanel::playToggled, this, &LiveReplayDriver::togglePlaying);
    connect(panel_, &ReplayPanel::speedChosen, this,
            [this](int factor) { replay_->setSpeed(factor); });
    connect(panel_, &ReplayPanel::positionChosen, this, &LiveReplayDriver::seek);
    connect(panel_, &ReplayPanel::stopChosen, this, &LiveReplayDriver::stop);
    window_.addDockWidget(Qt::BottomDockWidgetArea, panel_);
    // The window's controls sit at fixed places with no room to spare: the panel starts as a
    // small window of its own over the window's foot, and docks below it when the user wants.
    panel_->setFloating(true);
    panel_->resize(window_.width() / 2, panel_->sizeHint().height());
    panel_->move(window_.mapToGlobal(QPoint(0, window_.height() - panel_->height())));
    panel_->show();
    setPlaying(true);
    show(replay_->advance(0));
}

void LiveReplayDriver::stop() {
    dropLoading();
    if (!replay_)
        return;
    timer_->stop();
    panel_->deleteLater(); // its stop button may be what asked
    panel_ = nullptr;
    replay_.reset();
    link_.endReplay();
}

void LiveReplayDriver::showTexts() {
    if (!replay_)
        return;
    panel_->setTexts(document_.language(), logName_);
    link_.showReplayNote(liveLogText(LiveLogText::Replaying, document_.language()).arg(logName_));
}

void LiveReplayDriver::step() {
    const qint64 wallMs = sinceStep_.restart();
    show(replay_->advance(wallMs));
    if (replay_->atEnd())
        setPlaying(false);
}

void LiveReplayDriver::togglePlaying() {
    if (replay_->atEnd())
        seek(0);
    setPlaying(!timer_->isActive());
}

void LiveReplayDriver::setPlaying(bool playing) {
    if (playing) {
        sinceStep_.start();
        timer_->start();
    } else {
        timer_->stop();
    }
    panel_->showPlaying(playing);
}

void LiveReplayDriver::seek(int record) {
    replay_->seek(record);
    sinceStep_.restart();
    show(replay_->advance(0));
}

void LiveReplayDriver::show(std::span<const LiveRecord> records) {
    for (const LiveRecord& record : records)
        link_.showLiveRecord(record);
    if (!records.empty())
        link_.highlightOperatingPoint();
    panel_->showPosition(std::max(0, replay_->position() - 1), replay_->playedMs());
}

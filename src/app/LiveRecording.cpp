#include "app/LiveRecording.h"

#include "document/Document.h"

#include "ui/MainWindowUi.h"
#include "ui/MessageBoxes.h"
#include "ui/Texts.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>

using namespace varko;

LiveRecording::LiveRecording(QWidget& window, MainWindowUi& ui, const Document& document)
    : QObject(&window), window_(window), ui_(ui), document_(document),
      statusField_(new QLabel(&window)), secondTimer_(new QTimer(this)) {
    dialog_.kind = FileDialog::Kind::Save;
    dialog_.defaultExt = QStringLiteral("csv");
    statusField_->setObjectName(QStringLiteral("RecordingStatus"));
    statusField_->hide();
    if (auto* main = qobject_cast<QMainWindow*>(&window))
        main->statusBar()->addPermanentWidget(statusField_);
    secondTimer_->setInterval(1000);
    connect(secondTimer_, &QTimer::timeout, this, &LiveRecording::showState);
    connect(ui_.menu.recordLiveData, &QAction::triggered, this, &LiveRecording::toggled);
    connect(&document, &Document::languageChanged, this, &LiveRecording::showState);
}

void LiveRecording::frame(const LiveRecord& record) {
    if (!recorder_.isRecording())
        return;
    const bool written = recorder_.record(record);
    showState();
    if (written || recorder_.failure() != LiveRecorder::Failure::WriteFailed)
        return;
    // Not from inside the link's call: the box's own event loop would tick the link within it.
    const QString text = liveLogText(LiveLogText::CannotWrite, document_.language())
                             .arg(recorder_.fileName(), recorder_.errorString());
    QTimer::singleShot(0, this, [this, text] { MessageBoxes::current().inform(&window_, text); });
}

void LiveRecording::stop() {
    recorder_.stop();
    showState();
}

void LiveRecording::setAvailable(bool available) {
    if (!available)
        stop();
    ui_.menu.recordLiveData->setEnabled(available);
}

void LiveRecording::toggled(bool on) {
    if (on && !recorder_.isRecording())
        start();
    else if (!on)
        stop();
    showState();
}

void LiveRecording::start() {
    dialog_.filter = liveLogText(LiveLogText::FileFilter, document_.language());
    if (!FileDialogs::current().execute(&window_, dialog_))
        return;
    if (!recorder_.start(dialog_.fileName)) {
        MessageBoxes::current().inform(&window_,
                                       liveLogText(LiveLogText::CannotWrite, document_.language())
                                           .arg(dialog_.fileName, recorder_.errorString()));
    }
}

void LiveRecording::showState() {
    const bool on = recorder_.isRecording();
    ui_.menu.recordLiveData->setChecked(on);
    if (on != secondTimer_->isActive())
        on ? secondTimer_->start() : secondTimer_->stop();
    // A recording that ended by itself says why until the next one starts.
    const bool failed = recorder_.failure() != LiveRecorder::Failure::None;
    statusField_->setVisible(on || failed);
    const Language language = document_.language();
    if (on) {
        statusField_->setText(liveLogText(LiveLogText::Recording, language)
                                  .arg(recorder_.elapsedMs() / 1000)
                                  .arg(recorder_.frameCount()));
    } else if (failed) {
        const QString reason = recorder_.failure() == LiveRecorder::Failure::FileGone
                                   ? liveLogText(LiveLogText::FileGone, language)
                                   : recorder_.errorString();
        statusField_->setText(liveLogText(LiveLogText::RecordingStopped, language)
                                  .arg(recorder_.elapsedMs() / 1000)
                                  .arg(recorder_.frameCount())
                                  .arg(reason));
    }
}

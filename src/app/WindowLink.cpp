#include "app/WindowLink.h"

#include "app/LiveRecording.h"
#include "app/LiveReplayDriver.h"
#include "app/ProgramBackup.h"
#include "app/UnitComparison.h"
#include "document/Document.h"
#include "link/SerialPort.h"
#include "model/Messages.h"
#include "ui/FormBinder.h"
#include "ui/MainWindowUi.h"
#include "ui/MapCellGrid.h"
#include "ui/MessageBoxes.h"
#include "ui/Texts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QProgressBar>
#include <QTimer>

using namespace varko;

namespace {

void setStatusBackground(QLabel* label, StatusColour colour) {
    const bool red = colour == StatusColour::Red;
    QPalette palette = label->palette();
    const QColor wanted = red ? QColor(Qt::red) : QApplication::palette().color(QPalette::Button);
    if (palette.color(QPalette::Window) != wanted) {
        palette.setColor(QPalette::Window, wanted);
        label->setPalette(palette);
    }
    if (label->autoFillBackground() != red)
        label->setAutoFillBackground(red);
}

} // namespace

WindowLink::WindowLink(QMainWindow& window, MainWindowUi& ui, Document& document, FormBinder& form)
    : QObject(&window), window_(window), ui_(ui), document_(document), form_(form),
      session_(new UnitSession(document.settings(), makeSystemSerialPort(), this)), column_(ui),
      backup_(new ProgramBackup(*session_, ui, document, this)),
      unitComparison_(new UnitComparison(
          document, *session_,
          [this](const ParamImage& unitSet, const QString& name) {
              emit unitSetToCompare(unitSet, name);
          },
          this)),
      recording_(new LiveRecording(window, ui, document)),
      replay_(new LiveReplayDriver(window, *this, document)) {
    connect(&document, &Document::languageChanged, replay_, &LiveReplayDriver::showTexts);
    buildPortMenu();
    connectTransfers();
    connect(session_, &UnitSession::statusChanged, this, &WindowLink::showStatus);
    connect(session_, &UnitSession::messageToShow, this, &WindowLink::showMessage);
    connect(session_, &UnitSession::monitorFrame, this, &WindowLink::onMonitorFrame);
    connect(session_, &UnitSession::tickEnded, this, &WindowLink::highlightOperatingPoint);
    // The rest of the link's look is the window's own at creation ("No connection with PC"
    // shown, status line and gauge hidden) until the first tick reports.
    showPortMenu(engine().status().portMenu);
    session_->tickTimer().setObjectName(QStringLiteral("Timer1"));
    // Ticks arrive once the event loop runs, that is after the window's creation has finished.
    session_->tickTimer().start();
}

WindowLink::~WindowLink() = default;

void WindowLink::startAutoProgram() {
    // A replay has the port closed: the change stays in the window, "Not in unit" says so.
    if (!replay_->isReplaying())
        program(document_.image());
}

void WindowLink::showSettings() {
    backup_->showSetting();
}

void WindowLink::closePort() {
    closed_ = true;
    recording_->stop();
    replay_->stop();
    session_->tickTimer().stop();
    engine().closePort();
    emit unitGone();
}

void WindowLink::beginReplay() {
    recording_->setAvailable(false);
    session_->tickTimer().stop();
    engine().closePort();
    enableUnitActions(false);
    ui_.connectionLabel->hide();
    ui_.programGauge->hide();
}

void WindowLink::showReplayNote(const QString& note) {
    ui_.statusLabel->setText(note);
    setStatusBackground(ui_.statusLabel, StatusColour::Normal);
    ui_.statusLabel->show();
}

void WindowLink::endReplay() {
    if (closed_)
        return;
    enableUnitActions(true);
    recording_->setAvailable(true);
    engine().openPort();
    showStatus(engine().status());
    session_->tickTimer().start();
}

void WindowLink::enableUnitActions(bool enabled) {
    for (QAction* action : {ui_.menu.read, ui_.menu.verify, ui_.menu.program, ui_.menu.compareUnit,
                            ui_.portMenu->menuAction()})
        action->setEnabled(enabled);
}

void WindowLink::buildPortMenu() {
    for (int i = 0; i < kPortCount; ++i) {
        QAction* item = ui_.portMenu->addAction(QString());
        item->setObjectName(QStringLiteral("MenuCom%1").arg(i + 1));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] { engine().selectPort(i); });
        portItems_[i] = item;
    }
}

void WindowLink::connectTransfers() {
    connect(ui_.menu.read, &QAction::triggered, this, &WindowLink::startRead);
    connect(ui_.menu.verify, &QAction::triggered, this, &WindowLink::startVerify);
    connect(ui_.menu.program, &QAction::triggered, this, &WindowLink::startProgram);
    connect(ui_.menu.openLiveDataLog, &QAction::triggered, replay_, &LiveReplayDriver::open);
    connect(ui_.menu.compareUnit, &QAction::triggered, this,
            [this] { unitComparison_->compareWithUnit(); });
}

void WindowLink::startRead() {
    // The image is about to come from the unit; it no longer belongs to its file.
    document_.setFile(QString());
    UnitOperation* read = session_->read();
    connect(read, &UnitOperation::unitSetArrived, this,
            [this](const ParamImage&, const ParamImage& inRange) { showWithUnitTexts(inRange); });
    connect(read, &UnitOperation::finished, this,
            [this](TransferResult result, const std::optional<ParamImage>& unitSet) {
                readEnded(result, unitSet.has_value());
            });
}

void WindowLink::startVerify() {
    UnitOperation* verify = session_->verify(committedImage());
    connect(verify, &UnitOperation::finished, this,
            [this](TransferResult result) { transferEnded(TransferMode::Verify, result); });
}

void WindowLink::startProgram() {
    program(committedImage());
}

void WindowLink::program(const ParamImage& image) {
    UnitOperation* program = backup_->program(image);
    // The unit's texts come with its first answer, and the window's set is shown in range.
    connect(program, &UnitOperation::unitAnswered, this, [this] { showWithUnitTexts(); });
    connect(program, &UnitOperation::finished, this,
            [this](TransferResult result) { transferEnded(TransferMode::Program, result); });
}

// A unit that refuses reading, or speaks another version, leaves the window's own set, which is
// shown again in range with the unit's texts.
void WindowLink::readEnded(TransferResult result, bool unitSetArrived) {
    if (result == TransferResult::NoReading || result == TransferResult::VersionMismatch)
        showWithUnitTexts();
    transferEnded(TransferMode::Read, result, unitSetArrived);
}

void WindowLink::transferEnded(TransferMode started, TransferResult result, bool unitSetArrived) {
    // Every transfer that ends well has verified that the unit holds the window's set; a failed
    // program or verify, or a program cut short by another start, leaves the unit's set unknown.
    if (result == TransferResult::Ok)
        document_.unitHolds(document_.image());
    else if (result == TransferResult::ProgramError || result == TransferResult::VerifyError ||
             (result == TransferResult::Abandoned && started == TransferMode::Program))
        document_.unitUnknown();
    if (started == TransferMode::Read) {
        settleReadImage(unitSetArrived);
        if (result == TransferResult::Ok)
            backup_->unitSetRead();
    }
    if (result == TransferResult::Ok)
        emit transferSucceeded(started);
    // What differs, after the message that something does.
    if (result == TransferResult::VerifyError)
        unitComparison_->compareAfterVerifyError();
    emit transferFinished(started, result);
}

void WindowLink::showMessage(const LinkMessage& message) {
    // Opened after the current tick or handler has returned: the box's own event loop then lets
    // the next ticks run (a timer's slot is never re-entered while it is still running).
    QTimer::singleShot(0, this, [this, message] {
        MessageBoxes::current().inform(&window_, message.text);
        engine().messageBoxClosed(message.kind);
    });
}

// Everything the window shows of the link, in one place.
void WindowLink::showStatus(const LinkStatus& status) {
    // The replay's note stays; the link's status comes back with the link when it ends.
    if (replay_->isReplaying())
        return;
    ui_.statusLabel->setText(status.statusText);
    setStatusBackground(ui_.statusLabel, status.statusColour);
    ui_.statusLabel->setVisible(status.statusVisible);
    const bool unitLost = status.connectionVisible && ui_.connectionLabel->isHidden();
    ui_.connectionLabel->setVisible(status.connectionVisible);
    if (unitLost) {
        recording_->stop();
        forgetLiveValues();
        emit unitGone();
    }
    if (status.connectionVisible) {
        ui_.versionWarningLabel->hide();
        document_.unitUnknown();
    }
    ui_.programGauge->setMaximum(status.gaugeMaximum);
    ui_.programGauge->setValue(status.gaugePosition);
    ui_.programGauge->setVisible(status.gaugeVisible);
    ui_.comLabel->setText(status.comLabel);
    showPortMenu(status.portMenu);
}

void WindowLink::showPortMenu(const PortMenu& menu) {
    for (int i = 0; i < kPortCount; ++i) {
        portItems_[i]->setText(menu[i].caption);
        portItems_[i]->setChecked(menu[i].checked);
        portItems_[i]->setStatusTip(menu[i].statusTip);
    }
}

void WindowLink::onMonitorFrame(const LinkFrame& frame) {
    const auto record = liveRecordOf(frame, document_.image());
    if (!record)
        return;
    showLiveRecord(*record);
    engine().setUnitSavingCount(live_.unitSavingCount);
    recording_->frame(*record);
}

void WindowLink::showLiveRecord(const LiveRecord& record) {
    const DecodedMonitor decoded =
        decodeLiveRecord(record, document_.image(), document_.language());
    live_ = decoded.values;
    column_.show(decoded.display);
    emit readingDecoded(decoded.reading,
                        replay_->isReplaying() ? std::optional(record.timeMs) : std::nullopt);
    // Each frame counts at its own cell, even when a tick passes more than one.
    if (cellTime_.count(livePoint()))
        ui_.mapCells->showTimes(cellTime_);
}

// What the unit last sent must not look live once it is gone: the live column and the marks
// show no data again, as before the first frame, and no saving goes on.
void WindowLink::forgetLiveValues() {
    live_ = LiveValues{};
    engine().setUnitSavingCount(0);
    column_.showNoData();
    applyNoDataTexts(&window_, document_.language());
}

void WindowLink::resetCellTime() {
    cellTime_.reset();
    ui_.mapCells->showTimes(cellTime_);
}

OperatingPoint WindowLink::livePoint() const {
    const ParamImage& image = document_.image();
    return findOperatingPoint(live_, image, image.throttleMap() != 0);
}

void WindowLink::highlightOperatingPoint() {
    point_ = livePoint();
    column_.mark(marksOf(point_));
}

// ---- the document and the form ------------------------------------------------------------

const ParamImage& WindowLink::committedImage() {
    form_.commit(ChangeOrigin::Commit);
    return document_.image();
}

void WindowLink::showWithUnitTexts(const std::optional<ParamImage>& unitSet) {
    const DeviceTexts& texts = engine().deviceTexts();
    form_.setUnitTexts({texts.deviceName, texts.deviceDate, texts.deviceTime});
    if (unitSet)
        document_.replace(*unitSet, SetOrigin::Read);
    else
        document_.apply([](ParamImage&) {}, ChangeOrigin::Commit);
}

void WindowLink::settleReadImage(bool unitSetArrived) {
    ParamImage passed = document_.image();
    form_.passThrough(passed);
    document_.replace(passed, unitSetArrived ? SetOrigin::ReadEnded : SetOrigin::Read);
}

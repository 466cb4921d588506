#include "app/WindowLink.h"

#include "app/TFormHlav.h"
#include "link/PosixSerialPort.h"
#include "ui/MainWindowUi.h"
#include "ui/MessageBoxes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QTimer>

using namespace varko;

namespace {

void SetStatusBackground(QLabel* label, StatusColour colour) {
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

WindowLink::WindowLink(TFormHlav& window, MainWindowUi& ui, WindowSettings& settings,
                       std::array<QString, 3>& unitTexts)
    : window_(window), ui_(ui), settings_(settings), unitTexts_(unitTexts),
      engine_(std::make_unique<LinkEngine>(window.image(), settings, static_cast<LinkOwner&>(*this),
                                           std::make_unique<PosixSerialPort>())),
      column_(ui), timer1_(new QTimer(this)) {
    BuildPortMenu();
    ConnectTransfers();
    // The rest of the link's look is the window's own at creation ("No connection with PC"
    // shown, status line and gauge hidden) until the first tick reports.
    ShowPortMenu(engine_->status().portMenu);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kTickMs);
    connect(timer1_, &QTimer::timeout, this, [this] { engine_->Timer1Timer(); });
    // Ticks arrive once the event loop runs, that is after the window's creation has finished.
    timer1_->start();
}

WindowLink::~WindowLink() = default;

void WindowLink::Close() {
    timer1_->stop();
    engine_->CloseComPort();
}

void WindowLink::BuildPortMenu() {
    for (int i = 0; i < kPortCount; ++i) {
        QAction* item = ui_.menuCom->addAction(QString());
        item->setObjectName(QStringLiteral("MenuCom%1").arg(i + 1));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] { engine_->MenuCom1Click(i); });
        portItems_[i] = item;
    }
}

void WindowLink::ConnectTransfers() {
    struct Trigger {
        const char* menuItem;
        const char* toolbarButton;
        TransferMode mode;
    };
    constexpr Trigger triggers[] = {{"MenuRead", "ButtonRead", TransferMode::Read},
                                    {"MenuVerify", "BitBtnVerify", TransferMode::Verify},
                                    {"MenuProgram", "BitBtnProgram", TransferMode::Program}};
    for (const Trigger& t : triggers) {
        const auto start = [this, mode = t.mode] { engine_->MenuTransferClick(mode); };
        if (auto* item = window_.findChild<QAction*>(QString::fromLatin1(t.menuItem)))
            connect(item, &QAction::triggered, this, start);
        if (auto* button =
                window_.findChild<QAbstractButton*>(QString::fromLatin1(t.toolbarButton)))
            connect(button, &QAbstractButton::clicked, this, start);
    }
}

void WindowLink::CollectImage() {
    window_.CollectImage();
}

void WindowLink::Normalize() {
    varko::Normalize(window_.image(), settings_);
}

void WindowLink::ShowImage() {
    const DeviceTexts& texts = engine_->deviceTexts();
    unitTexts_ = {texts.deviceName, texts.deviceDate, texts.deviceTime};
    window_.ShowImage();
}

void WindowLink::ShowMessage(const LinkMessage& message) {
    // Opened after the current tick or handler has returned: the box's own event loop then lets
    // the next ticks run (a timer's slot is never re-entered while it is still running).
    QTimer::singleShot(0, this, [this, message] {
        MessageBoxes::Current().Inform(&window_, message.text);
        engine_->MessageBoxClosed(message.kind);
    });
}

// Everything the window shows of the link, in one place.
void WindowLink::LinkStatusChanged(const LinkStatus& status) {
    ui_.labelHlaseni->setText(status.statusText);
    SetStatusBackground(ui_.labelHlaseni, status.statusColour);
    ui_.labelHlaseni->setVisible(status.statusVisible);
    ui_.labelSpojeni->setVisible(status.connectionVisible);
    if (status.connectionVisible)
        ui_.labelVersion->hide();
    ui_.gaugeProgram->setMaximum(status.gaugeMaximum);
    ui_.gaugeProgram->setValue(status.gaugePosition);
    ui_.gaugeProgram->setVisible(status.gaugeVisible);
    if (auto* com = ui_.client->findChild<QLabel*>(QStringLiteral("LabelCom")))
        com->setText(status.comLabel);
    ShowPortMenu(status.portMenu);
}

// The image is about to come from the unit; it no longer belongs to the file named below.
void WindowLink::ReadStarted() {
    ui_.labelFile2->clear();
}

void WindowLink::ShowPortMenu(const PortMenu& menu) {
    for (int i = 0; i < kPortCount; ++i) {
        portItems_[i]->setText(menu[i].caption);
        portItems_[i]->setChecked(menu[i].checked);
        portItems_[i]->setStatusTip(menu[i].statusTip);
    }
}

void WindowLink::onMonitorFrame(const LinkFrame& frame) {
    const auto decoded = DecodeMonitorFrame(frame, window_.image(), settings_.language);
    if (!decoded)
        return;
    live_ = decoded->values;
    engine_->SetUnitSavingCount(live_.unitSavingCount);
    column_.Show(decoded->display);
}

void WindowLink::HighlightOperatingPoint() {
    const bool tpsRowsInUse = ui_.checks[Check::tpsMapa]->isChecked();
    point_ = FindOperatingPoint(live_, window_.image(), tpsRowsInUse);
    column_.Mark(MarksOf(point_));
}

#include "ui/ReplayPanel.h"

#include "ui/Texts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

ReplayPanel::ReplayPanel(QWidget* parent)
    : QDockWidget(parent), play_(new QPushButton), speed_(new QComboBox),
      position_(new QSlider(Qt::Horizontal)), time_(new QLabel), stop_(new QPushButton) {
    setObjectName(QStringLiteral("ReplayPanel"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    play_->setObjectName(QStringLiteral("ReplayPlay"));
    speed_->setObjectName(QStringLiteral("ReplaySpeed"));
    position_->setObjectName(QStringLiteral("ReplayPosition"));
    time_->setObjectName(QStringLiteral("ReplayTime"));
    stop_->setObjectName(QStringLiteral("ReplayStop"));
    for (int factor : kSpeeds)
        speed_->addItem(QString::fromUtf8("%1\u00D7").arg(factor), factor);
    time_->setMinimumWidth(60);

    auto* body = new QWidget;
    auto* row = new QHBoxLayout(body);
    row->addWidget(play_);
    row->addWidget(speed_);
    row->addWidget(position_, 1);
    row->addWidget(time_);
    row->addWidget(stop_);
    setWidget(body);

    connect(play_, &QPushButton::clicked, this, &ReplayPanel::playToggled);
    connect(speed_, &QComboBox::activated, this,
            [this](int index) { emit speedChosen(speed_->itemData(index).toInt()); });
    connect(position_, &QSlider::valueChanged, this, &ReplayPanel::positionChosen);
    connect(stop_, &QPushButton::clicked, this, &ReplayPanel::stopChosen);
}

void ReplayPanel::setTexts(varko::Language language, const QString& fileName) {
    language_ = language;
    setWindowTitle(liveLogText(LiveLogText::Replaying, language).arg(fileName));
    stop_->setText(liveLogText(LiveLogText::StopReplay, language));
    showPlaying(playing_);
}

void ReplayPanel::setLength(int count) {
    const QSignalBlocker quiet(position_);
    position_->setRange(0, std::max(0, count - 1));
}

void ReplayPanel::showPosition(int record, qint64 playedMs) {
    {
        // Moved by the replay, not by the user.
        const QSignalBlocker quiet(position_);
        position_->setValue(record);
    }
    const qint64 seconds = playedMs / 1000;
    time_->setText(QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0')));
}

void ReplayPanel::showPlaying(bool playing) {
    playing_ = playing;
    play_->setText(liveLogText(playing ? LiveLogText::Pause : LiveLogText::Play, language_));
}

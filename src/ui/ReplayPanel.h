#pragma once
// The replay's controls in a small dockable panel: play/pause, the speed, the position in the
// log and the way back to the unit. It shows what the driver tells it and reports the user's
// choices; the replay itself runs elsewhere.

#include "model/Language.h"
#include <QDockWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

class ReplayPanel final : public QDockWidget {
    Q_OBJECT
public:
    explicit ReplayPanel(QWidget* parent);

    // The texts of the language; fileName names the log in the title.
    void setTexts(varko::Language language, const QString& fileName);
    // The slider runs over the records 0..count-1.
    void setLength(int count);
    // Where playing stands: the next record and the log's time played, in milliseconds.
    void showPosition(int record, qint64 playedMs);
    void showPlaying(bool playing);

    static constexpr int kSpeeds[] = {1, 4, 16};

signals:
    void playToggled();
    void speedChosen(int factor);
    void positionChosen(int record);
    void stopChosen();

private:
    varko::Language language_ = varko::Language::English;
    bool playing_ = false;
    QPushButton* play_;
    QComboBox* speed_;
    QSlider* position_;
    QLabel* time_;
    QPushButton* stop_;
};

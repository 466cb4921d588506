#pragma once
// An orange frame drawn just around a control whose value differs from the compared set. It is
// a widget of its own beside the control: the control's colours (the operating cell's green, the
// warning red) stay the control's, and the frame lets every click through. It follows the
// control as the window's rules move, hide or show it.

#include <QPointer>
#include <QWidget>

class ComparisonMark final : public QWidget {
    Q_OBJECT
public:
    explicit ComparisonMark(QWidget* target);

    QWidget* target() const { return target_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();

    QPointer<QWidget> target_;
};

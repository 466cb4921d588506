#include "ui/ComparisonMark.h"

#include <QEvent>
#include <QPainter>

namespace {
constexpr int kMargin = 3;
constexpr int kPenWidth = 2;
const QColor kMarkColour(255, 140, 0); // orange: neither the operating green nor a warning red
} // namespace

ComparisonMark::ComparisonMark(QWidget* target) : QWidget(target->parentWidget()), target_(target) {
    setObjectName(QStringLiteral("CompareMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    target->installEventFilter(this);
    follow();
}

bool ComparisonMark::eventFilter(QObject* watched, QEvent* event) {
    if (watched == target_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ComparisonMark::follow() {
    setGeometry(target_->geometry().adjusted(-kMargin, -kMargin, kMargin, kMargin));
    setVisible(!target_->isHidden());
    raise();
}

void ComparisonMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(kMarkColour, kPenWidth));
    painter.setBrush(Qt::NoBrush);
    const int inset = kPenWidth / 2;
    painter.drawRect(rect().adjusted(inset, inset, -inset, -inset));
}

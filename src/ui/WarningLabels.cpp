#include "ui/WarningLabels.h"

#include "ui/Place.h"

#include <QLabel>

namespace {
constexpr int kLeft = 13;
constexpr QSize kDesignedSize(230, 24);
// Keeps the text off the edges of the red box.
constexpr QMargins kTextMargins(3, 0, 3, 0);
} // namespace

QLabel* placeWarning(QWidget* client, const char* name, int top, int rightEdge) {
    auto* label = placeWidget<QLabel>(client, name, kLeft, top, kDesignedSize.width(),
                                      kDesignedSize.height());
    setPixelFont(label, 19, true);
    label->setAutoFillBackground(true);
    label->setStyleSheet("background-color: red;");
    label->setWordWrap(true);
    label->setContentsMargins(kTextMargins);
    label->setMinimumSize(kDesignedSize);
    label->setMaximumWidth(rightEdge - kLeft);
    label->hide();
    return label;
}

void setWarningText(QLabel* warning, const QString& text) {
    if (warning->text() == text)
        return;
    warning->setText(text);
    const QMargins margins = warning->contentsMargins();
    const QRect room(0, 0, warning->maximumWidth() - margins.left() - margins.right(),
                     QWIDGETSIZE_MAX);
    const QRect needed = warning->fontMetrics().boundingRect(
        room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    // Within the minimum and maximum size set when the warning was placed.
    warning->resize(needed.size().grownBy(margins));
}

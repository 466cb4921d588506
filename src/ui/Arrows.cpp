#include "ui/Arrows.h"

#include <QToolButton>
#include <QVBoxLayout>

std::array<QToolButton*, 2> addArrows(QWidget* holder) {
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    std::array<QToolButton*, 2> arrows{};
    for (int a = 0; a < 2; ++a) {
        auto* arrow = new QToolButton(holder);
        arrow->setArrowType(a == 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setIconSize(QSize(7, 5));
        arrow->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        layout->addWidget(arrow);
        arrows[a] = arrow;
    }
    return arrows;
}

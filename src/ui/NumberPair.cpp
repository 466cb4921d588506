#include "ui/NumberPair.h"

#include "ui/Arrows.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>
#include <algorithm>

namespace {
constexpr int kUpDownWidth = 15;
constexpr int kPairHeight = 21;

// Losing the focus to another program, a popup or the menu bar is no edit of the value.
bool movesWithinWindow(Qt::FocusReason reason) {
    switch (reason) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}
} // namespace

NumberPair::NumberPair(const varko::PairSpec& pairSpec, QWidget* parent, int x, int y,
                       int editWidth)
    : QObject(parent), spec(pairSpec), editor(new QLineEdit(parent)), arrows(new QWidget(parent)),
      current(pairSpec.min) {
    editor->setObjectName(spec.editName);
    editor->setGeometry(x, y, editWidth, kPairHeight);
    editor->installEventFilter(this);

    arrows->setObjectName(spec.upDownName);
    arrows->setGeometry(x + editWidth, y, kUpDownWidth, kPairHeight);
    const auto [up, down] = addArrows(arrows);
    // Held down, an arrow keeps stepping.
    up->setAutoRepeat(true);
    down->setAutoRepeat(true);
    connect(up, &QToolButton::clicked, this, [this] { stepBy(+1); });
    connect(down, &QToolButton::clicked, this, [this] { stepBy(-1); });
    writePair(current);
}

int NumberPair::readPair() {
    const std::optional<int> typed =
        varko::parsePairText(editor->text(), QLocale().groupSeparator(), spec);
    if (typed) {
        current = *typed;
    }
    return current;
}

void NumberPair::writePair(int value) {
    current = std::clamp(value, spec.min, spec.max);
    const QString text = textOf(spec, current);
    if (editor->text() != text) {
        editor->setText(text);
    }
}

void NumberPair::stepBy(int direction) {
    writePair(readPair() + direction * spec.step);
    emit stepped();
}

QString NumberPair::textOf(const varko::PairSpec& spec, int value) {
    if (!spec.grouping || value < 1000) {
        return QString::number(value);
    }
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(value);
}

bool NumberPair::eventFilter(QObject* watched, QEvent* event) {
    if (watched != editor) {
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
            stepBy(+1);
            return true;
        case Qt::Key_Down:
            stepBy(-1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit enterPressed();
            return true;
        default:
            return false;
        }
    }
    if (event->type() == QEvent::FocusOut &&
        movesWithinWindow(static_cast<QFocusEvent*>(event)->reason())) {
        emit left();
    }
    return false;
}

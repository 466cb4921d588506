#include "ui/CommandButton.h"

#include <QAction>
#include <QActionEvent>

CommandButton::CommandButton(QWidget* parent, QAction* command) : QToolButton(parent) {
    setDefaultAction(command);
    // What the action brought besides its state: the menu's words, and no picture.
    setText(QString());
    setToolTip(QString());
    setStatusTip(QString());
}

void CommandButton::actionEvent(QActionEvent* event) {
    QAction* command = defaultAction();
    if (event->type() == QEvent::ActionChanged && event->action() == command) {
        setEnabled(command->isEnabled());
        setChecked(command->isChecked());
        return;
    }
    QToolButton::actionEvent(event);
}

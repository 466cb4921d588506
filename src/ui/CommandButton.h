#pragma once
// A toolbar button that is a menu item's command: a click triggers the item's action, and the
// button is enabled and checked as the action is, so nothing enables or checks the button by
// hand. Its words are its own, as for any other control: the window's text table gives the toolbar
// captions and hints that differ from the menu's, and changes of the action leave them alone.

#include <QToolButton>

class CommandButton final : public QToolButton {
public:
    CommandButton(QWidget* parent, QAction* command);

protected:
    void actionEvent(QActionEvent* event) override;
};

#pragma once
// An edit field keeps some keys for itself (Ctrl+Z undoes its own typing). For the menu items
// given here the window's shortcut wins, wherever the focus is.

#include <QList>

class QAction;
class QWidget;

void giveShortcutsToMenu(QWidget* edit, const QList<QAction*>& menuItems);

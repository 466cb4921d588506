#include "ui/MenuShortcuts.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

namespace {

class ShortcutPassage final : public QObject {
public:
    ShortcutPassage(QWidget* edit, const QList<QAction*>& menuItems)
        : QObject(edit), items(menuItems) {}

protected:
    // Keeping the override event from the edit leaves it unaccepted, so the shortcut fires.
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* item : items) {
            if (item->shortcut() == pressed)
                return true;
        }
        return false;
    }

private:
    QList<QAction*> items;
};

} // namespace

void giveShortcutsToMenu(QWidget* edit, const QList<QAction*>& menuItems) {
    edit->installEventFilter(new ShortcutPassage(edit, menuItems));
}

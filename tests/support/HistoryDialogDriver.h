#pragma once
// Acts on File > History's dialog from inside its own event loop, as a user would: the test
// says what to do once the dialog is up, then triggers the menu item.

#include "Controls.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

// Runs act on the history dialog as soon as it is the modal window. A dialog that act left open
// is cancelled, so a failing test cannot hang on it.
inline void whenHistoryDialogOpens(std::function<void(QDialog&, QTreeWidget&)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog->objectName() != QLatin1String(Control::historyDialog))
            return;
        poll->stop();
        poll->deleteLater();
        act(*dialog, *dialog->findChild<QTreeWidget*>(Control::historyList));
        if (dialog->isVisible())
            dialog->reject();
    });
    poll->start(10);
}

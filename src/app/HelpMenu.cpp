#include "app/HelpMenu.h"

#include "app/MainWindow.h"
#include "ui/AboutBox.h"
#include "ui/MainWindowUi.h"

#include <QAction>

HelpMenu::HelpMenu(MainWindow& window, MainWindowUi& ui)
    : QObject(&window), aboutBox_(new AboutBox(&window, [&window] { return window.language(); })) {
    connect(ui.menu.about, &QAction::triggered, this, &HelpMenu::showAboutBox);
}

void HelpMenu::showAboutBox() {
    aboutBox_->exec();
}

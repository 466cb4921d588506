#include "app/HelpMenu.h"

#include "app/MainWindow.h"
#include "model/Messages.h"
#include "storage/ManualFile.h"
#include "ui/AboutBox.h"
#include "ui/DocumentOpener.h"
#include "ui/MainWindowUi.h"
#include "ui/MessageBoxes.h"

#include <QAction>

using namespace varko;

HelpMenu::HelpMenu(MainWindow& window, MainWindowUi& ui)
    : QObject(&window), window_(window),
      aboutBox_(new AboutBox(&window, [&window] { return window.language(); })) {
    connect(ui.menu.contents, &QAction::triggered, this, &HelpMenu::openManual);
    connect(ui.menu.about, &QAction::triggered, this, &HelpMenu::showAboutBox);
}

void HelpMenu::openManual() {
    const std::uint8_t language = window_.language();
    const QString path = findManual(messageText(Msg::manualFile, language));
    if (path.isEmpty() || !DocumentOpener::current().open(path))
        MessageBoxes::current().inform(&window_, messageText(Msg::manualOpenError, language));
}

void HelpMenu::showAboutBox() {
    aboutBox_->exec();
}

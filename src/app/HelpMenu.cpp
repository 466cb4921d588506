#include "app/HelpMenu.h"

#include "document/Document.h"
#include "model/Messages.h"
#include "storage/ManualFile.h"
#include "ui/AboutBox.h"
#include "ui/DocumentOpener.h"
#include "ui/MainWindowUi.h"
#include "ui/MessageBoxes.h"

#include <QAction>
#include <QMainWindow>

using namespace varko;

HelpMenu::HelpMenu(QMainWindow& window, MainWindowUi& ui, const Document& document)
    : QObject(&window), window_(window), document_(document),
      aboutBox_(new AboutBox(&window, document)) {
    connect(ui.menu.contents, &QAction::triggered, this, &HelpMenu::openManual);
    connect(ui.menu.about, &QAction::triggered, this, &HelpMenu::showAboutBox);
}

void HelpMenu::openManual() {
    const Language language = document_.language();
    const QString path = findManual(messageText(Msg::manualFile, language));
    const auto cannotOpen = [this, language] {
        MessageBoxes::current().inform(&window_, messageText(Msg::manualOpenError, language));
    };
    if (path.isEmpty())
        cannotOpen();
    else
        DocumentOpener::current().open(path, this, cannotOpen);
}

void HelpMenu::showAboutBox() {
    aboutBox_->exec();
}

#pragma once
// The Help menu: the manual of the current language and the about box.

#include <QObject>

class AboutBox;
class MainWindow;
struct MainWindowUi;

class HelpMenu final : public QObject {
    Q_OBJECT
public:
    // Creates the about box (hidden) and connects the menu items.
    HelpMenu(MainWindow& window, MainWindowUi& ui);

    void openManual();
    // Returns when the box is closed.
    void showAboutBox();

private:
    MainWindow& window_;
    AboutBox* aboutBox_;
};

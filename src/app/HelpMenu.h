#pragma once
// The Help menu: the about box.

#include <QObject>

class AboutBox;
class MainWindow;
struct MainWindowUi;

class HelpMenu final : public QObject {
    Q_OBJECT
public:
    // Creates the about box (hidden) and connects the menu item.
    HelpMenu(MainWindow& window, MainWindowUi& ui);

    // Returns when the box is closed.
    void showAboutBox();

private:
    AboutBox* aboutBox_;
};

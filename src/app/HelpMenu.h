#pragma once
// The Help menu: the manual of the current language and the about box.

#include <QObject>

class AboutBox;
class QMainWindow;
struct MainWindowUi;
namespace varko {
class Document;
}

class HelpMenu final : public QObject {
    Q_OBJECT
public:
    // Creates the about box (hidden) and connects the menu items.
    HelpMenu(QMainWindow& window, MainWindowUi& ui, const varko::Document& document);

    void openManual();
    // Returns when the box is closed.
    void showAboutBox();

private:
    QMainWindow& window_;
    const varko::Document& document_;
    AboutBox* aboutBox_;
};

#include "ui/MessageBoxes.h"

#include <QMessageBox>
#include <QWidget>

namespace {

class DesktopMessageBoxes final : public MessageBoxes {
public:
    void Inform(QWidget* parent, const QString& text) override {
        const QString title = parent != nullptr ? parent->window()->windowTitle() : QString();
        QMessageBox::information(parent, title, text);
    }
};

DesktopMessageBoxes desktopBoxes;
MessageBoxes* installed = nullptr;

} // namespace

MessageBoxes& MessageBoxes::Current() {
    return installed != nullptr ? *installed : desktopBoxes;
}

void MessageBoxes::Install(MessageBoxes* boxes) {
    installed = boxes;
}

#include "ui/MessageBoxes.h"

#include <QMessageBox>
#include <QWidget>

namespace {

QString TitleFor(const QWidget* parent) {
    return parent != nullptr ? parent->window()->windowTitle() : QString();
}

class DesktopMessageBoxes final : public MessageBoxes {
public:
    void Inform(QWidget* parent, const QString& text) override {
        QMessageBox::information(parent, TitleFor(parent), text);
    }
    void Warn(QWidget* parent, const QString& text) override {
        QMessageBox::warning(parent, TitleFor(parent), text);
    }
    Answer Ask(QWidget* parent, const QString& text) override {
        const auto buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        switch (QMessageBox::question(parent, TitleFor(parent), text, buttons, QMessageBox::Yes)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
        }
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

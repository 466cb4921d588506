#include "ui/MessageBoxes.h"

#include <QMessageBox>
#include <QWidget>

namespace {

QString titleFor(const QWidget* parent) {
    return parent != nullptr ? parent->window()->windowTitle() : QString();
}

class DesktopMessageBoxes final : public MessageBoxes {
public:
    void inform(QWidget* parent, const QString& text) override {
        QMessageBox::information(parent, titleFor(parent), text);
    }
    void warn(QWidget* parent, const QString& text) override {
        QMessageBox::warning(parent, titleFor(parent), text);
    }
    Answer ask(QWidget* parent, const QString& text) override {
        const auto buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        switch (QMessageBox::question(parent, titleFor(parent), text, buttons, QMessageBox::Yes)) {
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
MessageBoxes* installedBoxes = nullptr;

} // namespace

MessageBoxes& MessageBoxes::current() {
    return installedBoxes != nullptr ? *installedBoxes : desktopBoxes;
}

void MessageBoxes::install(MessageBoxes* boxes) {
    installedBoxes = boxes;
}

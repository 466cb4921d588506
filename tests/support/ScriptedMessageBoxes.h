#pragma once
// Message boxes answered by the test instead of a user: each box's text is recorded and the box
// closes at once, or once whileOpen has returned (which may keep the event loop running for a
// while, as a user reading the box would). Installed for as long as the object lives.

#include "ui/MessageBoxes.h"

#include <QStringList>
#include <functional>

class ScriptedMessageBoxes final : public MessageBoxes {
public:
    ScriptedMessageBoxes() { Install(this); }
    ~ScriptedMessageBoxes() override { Install(nullptr); }
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    void Inform(QWidget*, const QString& text) override {
        shown << text;
        if (whileOpen)
            whileOpen();
    }

    QStringList shown;
    std::function<void()> whileOpen;
};

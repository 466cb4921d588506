#pragma once
// Message boxes answered by the test instead of a user: each box's text is recorded and the box
// is closed at once, or after keeping the event loop running for a while as a reading user would.
// Installed for as long as the object lives.

#include "ui/MessageBoxes.h"

#include <QStringList>
#include <QTest>

class ScriptedMessageBoxes final : public MessageBoxes {
public:
    ScriptedMessageBoxes() { Install(this); }
    ~ScriptedMessageBoxes() override { Install(nullptr); }
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    void Inform(QWidget*, const QString& text) override {
        shown << text;
        if (openMs > 0)
            QTest::qWait(openMs);
    }

    QStringList shown;
    int openMs = 0;
};

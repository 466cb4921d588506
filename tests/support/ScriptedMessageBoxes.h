#pragma once
// Message boxes answered by the test instead of a user: each box's text is recorded and the box
// closes at once, or once whileOpen has returned (which may keep the event loop running for a
// while, as a user reading the box would). Questions take the scripted answers in order, then
// Cancel. Installed for as long as the object lives.

#include "ui/MessageBoxes.h"

#include <QList>
#include <QStringList>
#include <functional>

class ScriptedMessageBoxes final : public MessageBoxes {
public:
    ScriptedMessageBoxes() { install(this); }
    ~ScriptedMessageBoxes() override { install(nullptr); }
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    void inform(QWidget*, const QString& text) override {
        shown << text;
        if (whileOpen)
            whileOpen();
    }
    void warn(QWidget* parent, const QString& text) override {
        warnings << text;
        inform(parent, text);
    }
    Answer ask(QWidget*, const QString& text) override {
        asked << text;
        if (whileAsking)
            whileAsking();
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }

    QStringList shown;    // every box with an OK button, warnings included
    QStringList warnings; // the warning boxes alone
    QStringList asked;
    QList<Answer> answers;
    std::function<void()> whileOpen;
    std::function<void()> whileAsking; // runs while a question is open
};

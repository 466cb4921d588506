#pragma once
// The program's modal message boxes behind one door, so a test can answer them instead of a
// user. The desktop's own boxes serve unless another implementation is installed.

#include <QString>

class QWidget;

class MessageBoxes {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~MessageBoxes() = default;

    // A modal box with the text and an OK button; returns once it is closed. The event loop
    // runs meanwhile, so timers (the link tick) keep firing.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // The same with a warning sign, for failures the user did not ask about (an error that
    // escaped an action).
    virtual void warn(QWidget* parent, const QString& text) = 0;
    // A modal question with the buttons Yes, No and Cancel; closing the box is Cancel.
    virtual Answer ask(QWidget* parent, const QString& text) = 0;

    static MessageBoxes& current();
    // Used from now on instead of the desktop's boxes; nullptr restores those. The caller keeps
    // ownership and installs nullptr before the object goes.
    static void install(MessageBoxes* boxes);
};

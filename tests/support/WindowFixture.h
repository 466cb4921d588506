#pragma once
// A started main window for one test, with a fixed locale so thousands separators are known,
// its own empty configuration folder with a silent line as its start-up port, and message boxes
// that the test answers.

#include "ProgramWindowParts.h"
#include "ScopedConfigDir.h"
#include "ScriptedMessageBoxes.h"
#include "SilentLine.h"
#include "app/ProgramWindow.h"
#include "document/Document.h"
#include "ui/FormBinder.h"

#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <memory>

class WindowFixture {
public:
    QMainWindow& operator*() const { return *window; }
    QMainWindow* operator->() const { return window.get(); }

    varko::Document& document() const { return parts.document(); }
    FormBinder& form() const { return parts.form(); }
    FormEdits& edits() const { return parts.edits(); }
    CompareFlows& comparison() const { return parts.comparison(); }
    WindowLink& link() const { return parts.link(); }

    template <typename W = QWidget> W* find(const QString& name) const {
        return window->findChild<W*>(name);
    }
    QLineEdit* edit(const QString& name) const { return find<QLineEdit>(name); }
    // As the window's rules left the control, whether its page is on screen or not.
    bool shown(const QString& name) const { return !find(name)->isHidden(); }
    bool enabled(const QString& name) const { return find(name)->isEnabled(); }
    // Shows the set as changed by the test, as it is: no normalization, no undo step.
    template <typename F> void showWith(F change) {
        document().apply(change, varko::ChangeOrigin::AsIs);
    }
    // Changes the set as an edit does: normalized, one undo step, programmed after change.
    template <typename F> void change(F change) {
        document().apply(change, varko::ChangeOrigin::Edit);
    }
    // The set the controls hold now, typed values not yet taken included.
    varko::ParamImage collected() const {
        varko::ParamImage image = document().image();
        form().commitPending(image);
        return image;
    }

    ScriptedMessageBoxes boxes;

private:
    // The locale before the window: it shows its numbers from the start.
    static std::unique_ptr<QMainWindow> startInEnglish() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        return startProgramWindow();
    }

    ScopedConfigDir config;
    SilentLine line{config.varkoDir() + "/ports"};
    std::unique_ptr<QMainWindow> window = startInEnglish();
    ProgramWindowParts parts{*window};
};

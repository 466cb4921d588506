#pragma once
// The parts of a window that startProgramWindow started, as the window keeps them: children of
// the window, one of each class. A test drives the window through its controls and looks at the
// state behind them through these.

#include "app/CompareFlows.h"
#include "app/FormEdits.h"
#include "app/WindowLink.h"
#include "document/Document.h"
#include "ui/FormBinder.h"

#include <QMainWindow>

class ProgramWindowParts {
public:
    explicit ProgramWindowParts(const QMainWindow& window)
        : document_(part<varko::Document>(window)), form_(part<FormBinder>(window)),
          edits_(part<FormEdits>(window)), comparison_(part<CompareFlows>(window)),
          link_(part<WindowLink>(window)) {}

    varko::Document& document() const { return document_; }
    FormBinder& form() const { return form_; }
    FormEdits& edits() const { return edits_; }
    CompareFlows& comparison() const { return comparison_; }
    // The device link: the engine, the live values and the operating point.
    WindowLink& link() const { return link_; }

private:
    // Found once: a benchmark asks for them between the ticks it measures.
    template <typename Part> static Part& part(const QMainWindow& window) {
        Part* found = window.findChild<Part*>(QString(), Qt::FindDirectChildrenOnly);
        if (!found)
            qFatal("The window has no %s", Part::staticMetaObject.className());
        return *found;
    }

    varko::Document& document_;
    FormBinder& form_;
    FormEdits& edits_;
    CompareFlows& comparison_;
    WindowLink& link_;
};

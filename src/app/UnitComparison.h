#pragma once
// Ignition > "Compare with unit", and the same comparison after a verify found the unit holding
// another set: the unit's set is copy-read (the window's set stays as it is) and the compare view
// opens on the window's set against it.

#include "link/LinkEngine.h"

#include <QObject>
#include <functional>
#include <optional>

namespace varko {
class Document;
}

class UnitComparison final : public QObject {
    Q_OBJECT
public:
    // show opens the compare view on the unit's set, named as the view's title names it.
    using Show = std::function<void(const varko::ParamImage& unitSet, const QString& name)>;
    UnitComparison(const varko::Document& document, varko::LinkEngine& engine, Show show,
                   QObject* parent);

    // Starts the copy read, with startText in colour on the status line; the view opens when it
    // ends well. After "Verify error!" that message stays, red, as it came first. The read starts
    // once the engine's call has returned.
    void compareWithUnit(int startText, varko::StatusColour colour);
    // Another transfer was started: a comparison waiting for its read is dropped with it.
    void forget();
    void copyReadEnded(const std::optional<varko::ParamImage>& unitSet);

private:
    const varko::Document& document_;
    varko::LinkEngine& engine_;
    Show show_;
    bool waiting_ = false;
};

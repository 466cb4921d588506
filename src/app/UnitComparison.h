#pragma once
// Ignition > "Compare with unit", and the same comparison after a verify found the unit holding
// another set: the unit's set is copy-read (the window's set stays as it is) and the compare view
// opens on the window's set against it.

#include "link/UnitSession.h"

#include <QObject>
#include <functional>

namespace varko {
class Document;
}

class UnitComparison final : public QObject {
    Q_OBJECT
public:
    // show opens the compare view on the unit's set, under the name the view's title gives it.
    using Show = std::function<void(const varko::ParamImage& unitSet, const QString& name)>;
    UnitComparison(const varko::Document& document, varko::UnitSession& session, Show show,
                   QObject* parent);

    // Ignition > "Compare with unit": starts the copy read, "Read" on the status line; the view
    // opens when it ends well.
    void compareWithUnit();
    // The same after "Verify error!", from inside the link's call: the read starts once that call
    // has returned, with the message staying, red, as it came first; unless another transfer has
    // begun by then (the user's), which goes on without the comparison.
    void compareAfterVerifyError();

private:
    void startCopyRead(int startText, varko::StatusColour colour);

    const varko::Document& document_;
    varko::UnitSession& session_;
    Show show_;
};

#include "app/UnitComparison.h"

#include "document/Document.h"
#include "model/Messages.h"

#include <QTimer>

using namespace varko;

namespace {
// Completes the compare view's title, "Compare with %1", in each language.
const TextRow kTheUnit = {"the unit", "der Zündung", "le boitier", "zapalováním"}; // ours
} // namespace

UnitComparison::UnitComparison(const Document& document, LinkEngine& engine, Show show,
                               QObject* parent)
    : QObject(parent), document_(document), engine_(engine), show_(std::move(show)) {}

void UnitComparison::compareWithUnit(int startText, StatusColour colour) {
    // Never from inside an engine call: the copy read is a transfer of its own.
    QTimer::singleShot(0, this, [this, startText, colour] {
        waiting_ = true;
        engine_.startCopyRead(startText, colour);
    });
}

void UnitComparison::forget() {
    waiting_ = false;
}

void UnitComparison::copyReadEnded(const std::optional<ParamImage>& unitSet) {
    if (!waiting_)
        return; // another's read, such as a backup's
    waiting_ = false;
    // A failed read has said so on the status line.
    if (unitSet)
        show_(*unitSet, textIn(kTheUnit, document_.language()));
}

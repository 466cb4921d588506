#include "app/UnitComparison.h"

#include "app/MainWindow.h"
#include "model/Messages.h"

#include <QTimer>

using namespace varko;

namespace {
// Completes the compare view's title, "Compare with %1", in each language.
const TextRow kTheUnit = {"the unit", "der Zündung", "le boitier", "zapalováním"}; // ours
} // namespace

UnitComparison::UnitComparison(MainWindow& window, UnitSession& session, QObject* parent)
    : QObject(parent), window_(window), session_(session) {}

void UnitComparison::compareWithUnit(int startText, StatusColour colour) {
    QTimer::singleShot(0, this, [this, startText, colour] {
        UnitOperation* read = session_.copyRead(startText, colour);
        // A failed read has said so on the status line.
        connect(read, &UnitOperation::finished, this,
                [this](TransferResult, const std::optional<ParamImage>& unitSet) {
                    if (unitSet)
                        window_.showComparison(*unitSet, textIn(kTheUnit, window_.language()));
                });
    });
}

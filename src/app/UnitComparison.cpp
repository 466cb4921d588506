#include "app/UnitComparison.h"

#include "document/Document.h"
#include "model/Messages.h"

#include <QTimer>

using namespace varko;

namespace {
// Completes the compare view's title, "Compare with %1", in each language.
const TextRow kTheUnit = {"the unit", "der Zündung", "le boitier", "zapalováním"}; // ours
} // namespace

UnitComparison::UnitComparison(const Document& document, UnitSession& session, Show show,
                               QObject* parent)
    : QObject(parent), document_(document), session_(session), show_(std::move(show)) {}

void UnitComparison::compareWithUnit() {
    startCopyRead(Msg::read, StatusColour::Normal);
}

void UnitComparison::compareAfterVerifyError() {
    QTimer::singleShot(0, this, [this] {
        if (session_.engine().state().transferMode() == TransferMode::Idle)
            startCopyRead(Msg::verifyError, StatusColour::Red);
    });
}

void UnitComparison::startCopyRead(int startText, StatusColour colour) {
    UnitOperation* read = session_.copyRead(startText, colour);
    // A failed read has said so on the status line.
    connect(read, &UnitOperation::finished, this,
            [this](TransferResult, const std::optional<ParamImage>& unitSet) {
                if (unitSet)
                    show_(*unitSet, textIn(kTheUnit, document_.language()));
            });
}

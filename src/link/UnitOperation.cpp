#include "link/UnitOperation.h"

#include "link/UnitSession.h"

namespace varko {

UnitOperation::UnitOperation(UnitSession& session) : QObject(&session), session_(session) {}

bool UnitOperation::running() const {
    return session_.running_ == this;
}

void UnitOperation::transferEnded(TransferResult result, const std::optional<ParamImage>& unitSet) {
    end();
    emit finished(result, unitSet);
}

void UnitOperation::end() {
    if (running())
        session_.running_ = nullptr;
    deleteLater();
}

void UnitOperation::abandon() {
    end();
    emit finished(TransferResult::Abandoned, arrived_);
}

void UnitOperation::reportProgress(int position, int maximum) {
    if (position == position_ && maximum == maximum_)
        return;
    position_ = position;
    maximum_ = maximum;
    emit progress(position, maximum);
}

} // namespace varko

#include "document/Document.h"

#include "model/ImageDiff.h"
#include "model/Normalize.h"
#include "storage/ParamFile.h"

namespace varko {
namespace {

// The unit's set is compared as a verify compares it.
bool asVerified(const ParamImage& a, const ParamImage& b) {
    for (const int offset : differingBytes(a, b)) {
        if (verifyCompares(offset))
            return false;
    }
    return true;
}

} // namespace

Document::Document(QObject* parent) : QObject(parent) {}

void Document::setLanguage(Language language) {
    settings_.language = language;
    emit languageChanged();
}

void Document::apply(const Change& change, ChangeOrigin origin) {
    change(image_);
    if (origin != ChangeOrigin::AsIs)
        normalize(image_, settings_);
    changed(origin == ChangeOrigin::Edit ? Step::Recorded : Step::None);
}

void Document::replace(const ParamImage& image, SetOrigin origin) {
    image_ = image;
    const bool fromUnit = origin == SetOrigin::Read || origin == SetOrigin::ReadEnded;
    if (!fromUnit)
        normalize(image_, settings_);
    if (origin == SetOrigin::New)
        setFile(QString());
    changed(origin == SetOrigin::Read        ? Step::None
            : origin == SetOrigin::ReadEnded ? Step::UnitSet
                                             : Step::Recorded);
}

void Document::startWith(const ParamImage& image) {
    image_ = image;
    normalize(image_, settings_);
    changed(Step::None);
}

void Document::changed(Step step) {
    emit imageChanged();
    emit knownSetsChanged();
    if (step == Step::Recorded) {
        record();
    } else if (step == Step::UnitSet) {
        ring_.pushUnitSet(image_, page_);
        emit undoStateChanged();
    }
}

void Document::record() {
    const bool program = ring_.push(image_, page_, programAfterChange_);
    emit undoStateChanged();
    if (program)
        emit programRequested();
}

void Document::startHistory() {
    ring_.init(image_, page_);
    emit undoStateChanged();
}

void Document::undo() {
    if (const UndoSnapshot* snapshot = ring_.undo())
        restore(*snapshot);
}

void Document::redo() {
    if (const UndoSnapshot* snapshot = ring_.redo())
        restore(*snapshot);
}

// Snapshots are of normalized images: nothing is normalized or recorded here.
void Document::restore(const UndoSnapshot& snapshot) {
    image_ = snapshot.image;
    if (page_ != snapshot.page) {
        page_ = snapshot.page;
        emit pageRestored(page_);
    }
    emit imageChanged();
    emit knownSetsChanged();
    emit undoStateChanged();
    if (programAfterChange_)
        emit programRequested();
}

void Document::setPage(int page) {
    if (page >= 0)
        page_ = static_cast<std::uint8_t>(page);
}

void Document::setFile(const QString& path) {
    file_ = path;
    emit fileChanged();
}

void Document::fileHolds(const ParamImage& set, const ImageBytes& lacking) {
    fileSet_ = lacking.none() ? std::optional(set) : std::nullopt;
    emit knownSetsChanged();
}

void Document::unitHolds(const ParamImage& set) {
    unitSet_ = set;
    emit knownSetsChanged();
}

void Document::unitUnknown() {
    if (!unitSet_)
        return; // every status report while no unit answers comes here
    unitSet_.reset();
    emit knownSetsChanged();
}

bool Document::isSaved() const {
    return fileSet_ && savesAs(image_, *fileSet_);
}

bool Document::isInUnit() const {
    return unitSet_ && asVerified(image_, *unitSet_);
}

} // namespace varko

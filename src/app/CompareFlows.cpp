#include "app/CompareFlows.h"

#include "document/Document.h"
#include "model/FormMapping.h"
#include "ui/CompareView.h"
#include "ui/ComparedValueNames.h"
#include "ui/ComparisonMark.h"
#include "ui/MainWindowUi.h"

#include <QMainWindow>
#include <algorithm>
#include <iterator>
#include <tuple>

using namespace varko;

namespace {

struct NamedValue {
    ComparedValue value;
    ComparedValueName name;
    QPoint place; // of its control in the window: the order of reading within a page
};

QPoint placeOf(const MainWindowUi& ui, const ComparedValue& value) {
    const std::vector<QWidget*> controls = compareValueControls(ui, value);
    return controls.empty() ? QPoint()
                            : controls.front()->mapTo(controls.front()->window(), QPoint());
}

// Page by page as the tabs run, and on a page from top to bottom, left to right; the other
// bytes, which no page shows, last.
bool readsBefore(const NamedValue& a, const NamedValue& b) {
    const auto key = [](const NamedValue& v) {
        return std::tuple(v.name.page < 0, v.name.page, v.place.y(), v.place.x());
    };
    return key(a) < key(b);
}

} // namespace

CompareFlows::CompareFlows(QMainWindow& window, MainWindowUi& ui, Document& document)
    : QObject(&window), window_(window), ui_(ui), document_(document) {
    // After the form has shown the set: the marks go on the controls as they now are.
    connect(&document, &Document::imageChanged, this, &CompareFlows::windowChanged);
    connect(&document, &Document::languageChanged, this, &CompareFlows::windowChanged);
}

CompareFlows::~CompareFlows() {
    clearMarks();
}

void CompareFlows::showComparison(const ComparedSet& other, const QString& otherName) {
    other_ = other;
    otherName_ = otherName;
    if (view_ == nullptr) {
        view_ = new CompareView(&window_);
        view_->setAttribute(Qt::WA_DeleteOnClose);
        connect(view_, &CompareView::takeRequested, this, &CompareFlows::takeRows);
        connect(view_, &CompareView::takeAllRequested, this, &CompareFlows::takeAll);
        connect(view_, &QDialog::finished, this, &CompareFlows::clearMarks);
    }
    clearMarks();
    showDifferences();
    view_->show();
    view_->raise();
    view_->activateWindow();
}

CompareView* CompareFlows::view() const {
    return view_;
}

void CompareFlows::windowChanged() {
    if (view_ != nullptr && view_->isVisible())
        showDifferences();
}

void CompareFlows::showDifferences() {
    const Language language = document_.language();
    const ParamImage& image = document_.image();
    FormState windowState;
    FormState otherState;
    showImageToState(image, windowState);
    showImageToState(other_.image, otherState);

    std::vector<NamedValue> named;
    for (const ComparedValue& value : differingValues(image, other_)) {
        named.push_back({value, compareValueName(&window_, ui_, value, windowState, language),
                         placeOf(ui_, value)});
    }
    std::stable_sort(named.begin(), named.end(), readsBefore);

    std::vector<ComparedValue> values;
    QList<CompareRow> rows;
    for (const NamedValue& v : named) {
        values.push_back(v.value);
        const bool otherLacks = lacksValue(other_, v.value);
        rows << CompareRow{
            v.name.pageCaption, v.name.caption,
            compareValueText(ui_, v.value, image, windowState, other_.image, language),
            otherLacks ? QString()
                       : compareValueText(ui_, v.value, other_.image, otherState, image, language),
            otherLacks};
    }
    view_->showRows(rows, otherName_, language);
    if (values != rowValues_ || marks_.empty()) {
        rowValues_ = values;
        markControls();
    }
}

void CompareFlows::markControls() {
    clearMarks();
    for (const ComparedValue& value : rowValues_) {
        for (QWidget* control : compareValueControls(ui_, value))
            marks_.emplace_back(new ComparisonMark(control));
    }
}

void CompareFlows::clearMarks() {
    for (const QPointer<ComparisonMark>& mark : marks_)
        delete mark.data();
    marks_.clear();
}

void CompareFlows::takeRows(const QList<int>& rows) {
    std::vector<ComparedValue> values;
    for (const int row : rows) {
        if (row >= 0 && row < static_cast<int>(rowValues_.size()))
            values.push_back(rowValues_[row]);
    }
    takeValues(values);
}

void CompareFlows::takeAll() {
    takeValues(rowValues_);
}

void CompareFlows::takeValues(const std::vector<ComparedValue>& values) {
    std::vector<ComparedValue> held;
    std::copy_if(values.begin(), values.end(), std::back_inserter(held),
                 [this](const ComparedValue& value) { return !lacksValue(other_, value); });
    if (held.empty())
        return;
    // One step of undo for all of them; the changed set shows the rows again.
    document_.apply(
        [&](ParamImage& image) {
            for (const ComparedValue& value : held)
                takeValue(image, other_.image, value);
        },
        ChangeOrigin::Edit);
}

#pragma once
// The comparison of the window's set with another: the compare view with its rows, the marks on
// the pages while the view is open, and taking the other's values into the window. The rows
// follow the window: any change of its image or language shows them again. A value the other set
// lacks (a file that does not hold it) has a row of its own and cannot be taken.

#include "model/ComparedValues.h"
#include "model/ImageDiff.h"
#include "model/ParamImage.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

class CompareView;
class ComparisonMark;
class QMainWindow;
struct MainWindowUi;
namespace varko {
class Document;
}

class CompareFlows final : public QObject {
    Q_OBJECT
public:
    // The rows follow the document's set and language.
    CompareFlows(QMainWindow& window, MainWindowUi& ui, varko::Document& document);
    ~CompareFlows() override;

    // Opens the view on the difference to other, or shows it there when the view is open.
    // otherName says what the other set is: a file's path, or the unit.
    void showComparison(const varko::ComparedSet& other, const QString& otherName);
    // The open view; nullptr when there is none.
    CompareView* view() const;

private:
    void windowChanged();
    void showDifferences();
    void markControls();
    void clearMarks();
    void takeRows(const QList<int>& rows);
    void takeAll();
    void takeValues(const std::vector<varko::ComparedValue>& values);

    QMainWindow& window_;
    MainWindowUi& ui_;
    varko::Document& document_;
    QPointer<CompareView> view_;
    varko::ComparedSet other_;
    QString otherName_;
    // The differing values in the order of the rows.
    std::vector<varko::ComparedValue> rowValues_;
    std::vector<QPointer<ComparisonMark>> marks_;
};

#pragma once
// The compare view: one row per value that differs between the window's set and another (a
// file's or the unit's), with the window's value beside the other's, and buttons that take the
// other's values into the window. A value a file does not hold shows "not in the file" and cannot
// be taken. It only shows what it is given and tells what was asked; the window decides what a
// row means.

#include "model/Language.h"
#include <QDialog>
#include <QList>
#include <QString>
#include <cstdint>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

struct CompareRow {
    QString page;
    QString caption;
    QString windowValue;
    QString otherValue;      // unused when otherLacks
    bool otherLacks = false; // the other set, a file, does not hold the value
};

class CompareView final : public QDialog {
    Q_OBJECT
public:
    explicit CompareView(QWidget* window);

    // The title names the other set; the texts are those of the language.
    void showRows(const QList<CompareRow>& rows, const QString& otherName,
                  varko::Language language);

    QTreeWidget* rowList() const { return rows_; }

signals:
    // Row numbers as last given to showRows, in increasing order.
    void takeRequested(const QList<int>& rows);
    void takeAllRequested();

private:
    void takeSelected();
    void updateButtons();
    bool takeable(QTreeWidgetItem* item) const;

    QLabel* summary_;
    QTreeWidget* rows_;
    QPushButton* take_;
    QPushButton* takeAll_;
    QPushButton* close_;
    // Per row as last given to showRows: whether the other set holds its value.
    QList<bool> takeable_;
};

#pragma once
// Controls found by the names that the window's tables hold as data (pairs, check boxes, display
// rules, texts, live labels). A name must find exactly one control: a missing or doubled name
// is a fault of the table, which debug builds stop on and the tests report.

#include <QStringList>

class QObject;

// The control named name below root (or root itself); nullptr when there is none.
QObject* namedControl(const QObject* root, const QString& name);

template <typename T> T* namedControl(const QObject* root, const QString& name) {
    return qobject_cast<T*>(namedControl(root, name));
}

// The names that find no control or more than one below root.
QStringList namesNotFoundOnce(const QObject* root, const QStringList& names);

#include "ui/NamedControls.h"

#include <QObject>

namespace {

int countNamed(const QObject* root, const QString& name) {
    const int self = root->objectName() == name ? 1 : 0;
    return self + int(root->findChildren<QObject*>(name).size());
}

} // namespace

QObject* namedControl(const QObject* root, const QString& name) {
    Q_ASSERT_X(countNamed(root, name) == 1, "namedControl", qPrintable(name));
    if (root->objectName() == name)
        return const_cast<QObject*>(root);
    return root->findChild<QObject*>(name);
}

QStringList namesNotFoundOnce(const QObject* root, const QStringList& names) {
    QStringList faulty;
    for (const QString& name : names) {
        if (countNamed(root, name) != 1)
            faulty << name;
    }
    return faulty;
}

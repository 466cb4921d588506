#include "storage/ManualFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace varko {

QStringList manualFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, QDir::currentPath(),
            QDir::cleanPath(programFolder + QStringLiteral("/../share/varko"))};
}

QString findManual(const QString& fileName) {
    for (const QString& folder : manualFolders()) {
        const QFileInfo file(QDir(folder), fileName);
        // A desktop opener may report success for a file it then fails to show, so only a file
        // that is there is handed on.
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

} // namespace varko

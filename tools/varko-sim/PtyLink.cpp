#include "PtyLink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace varko::sim {

PtyLink::~PtyLink() {
    close();
}

QString PtyLink::open(const QString& linkPath) {
    close();
    const QFileInfo existing(linkPath);
    if (existing.exists() && !existing.isSymLink())
        return QStringLiteral("%1 exists and is not a link; not replacing it").arg(linkPath);
    QDir().mkpath(existing.absolutePath());
    if (const QString error = lock_.acquire(linkPath); !error.isEmpty())
        return error;
    if (const QString error = openTerminal(); !error.isEmpty()) {
        close();
        return error;
    }
    QFile::remove(linkPath);
    if (!QFile::link(slaveName_, linkPath)) {
        close();
        return QStringLiteral("cannot create the link %1").arg(linkPath);
    }
    linkPath_ = linkPath;
    return {};
}

void PtyLink::close() {
    // Remove the link only while it still names this terminal: a newer simulator may own it.
    if (!linkPath_.isEmpty() && QFileInfo(linkPath_).symLinkTarget() == slaveName_)
        QFile::remove(linkPath_);
    linkPath_.clear();
    lock_.release();
    closeTerminal();
}

} // namespace varko::sim

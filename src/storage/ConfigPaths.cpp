#include "storage/ConfigPaths.h"

#include "model/ParamImage.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace varko {

// On Linux the generic configuration location is $XDG_CONFIG_HOME, else ~/.config; it is looked
// up on every call so that a changed environment (as in tests) takes effect at once.
QString configDir() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/varko";
}

namespace {
// The protocol version is part of the name, so files of another version are never mixed up.
QString settingsFileName() {
    return QStringLiteral("VARKO_v%1ini").arg(int(kProtocolVersion));
}
} // namespace

QString settingsFilePath() {
    return configDir() + '/' + settingsFileName();
}
QString lastStateFilePath() {
    return configDir() + "/_" + settingsFileName();
}
QString testSwitchFilePath() {
    return configDir() + "/test_dorvik.txt";
}
QString portOverrideDir() {
    return configDir() + "/ports";
}
QString historyDir() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/varko/history";
}

namespace {
// The folder with symbolic links, "." and ".." resolved as far as it exists: the settings folder
// itself may not exist before the first close.
QString resolvedFolder(const QString& folder) {
    QFileInfo existing(QDir::cleanPath(QDir(folder).absolutePath()));
    QString rest;
    while (!existing.exists() && !existing.isRoot()) {
        rest.prepend('/' + existing.fileName());
        existing.setFile(existing.path());
    }
    return existing.canonicalFilePath() + rest;
}
} // namespace

// Qt's runtime location is $XDG_RUNTIME_DIR; without that variable it is a folder of the user's
// own in the temporary folder (/tmp/runtime-USER, created with mode 0700), and it is empty when
// the folder it finds belongs to someone else.
QString windowInstancePath() {
    return windowInstancePath(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                              configDir());
}

// A digest keeps the name short: a socket's path has a length limit of about 100 bytes.
QString windowInstancePath(const QString& runtimeFolder, const QString& settingsFolder) {
    if (runtimeFolder.isEmpty())
        return {};
    const QByteArray digest = QCryptographicHash::hash(
        QFile::encodeName(resolvedFolder(settingsFolder)), QCryptographicHash::Sha256);
    return runtimeFolder + "/varko-" + QString::fromLatin1(digest.toHex().left(16));
}

// The variable configDir() goes by on Linux (see above); started programs inherit it.
void setConfigHome(const QString& folder) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
}

} // namespace varko

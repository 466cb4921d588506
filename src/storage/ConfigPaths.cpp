#include "storage/ConfigPaths.h"

#include "model/ParamImage.h"

#include <QFile>
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

// The variable configDir() goes by on Linux (see above); started programs inherit it.
void setConfigHome(const QString& folder) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
}

} // namespace varko

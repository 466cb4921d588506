#pragma once
// Points XDG_CONFIG_HOME (and XDG_DATA_HOME, at a folder inside it) at a fresh temporary folder
// for as long as the object lives, so a test never reads or writes the user's own settings or
// history.

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

class ScopedConfigDir {
public:
    ScopedConfigDir()
        : previousConfig_(qgetenv("XDG_CONFIG_HOME")), previousData_(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
        qputenv("XDG_DATA_HOME", (dir_.path() + "/data").toUtf8());
    }
    ~ScopedConfigDir() {
        restore("XDG_CONFIG_HOME", previousConfig_);
        restore("XDG_DATA_HOME", previousData_);
    }
    ScopedConfigDir(const ScopedConfigDir&) = delete;
    ScopedConfigDir& operator=(const ScopedConfigDir&) = delete;

    QString path() const { return dir_.path(); }
    // The program's own folder inside it, created on demand.
    QString varkoDir() const {
        QDir(dir_.path()).mkpath("varko");
        return dir_.path() + "/varko";
    }

private:
    static void restore(const char* name, const QByteArray& previous) {
        if (previous.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, previous);
    }

    QTemporaryDir dir_;
    QByteArray previousConfig_;
    QByteArray previousData_;
};

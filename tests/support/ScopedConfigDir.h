#pragma once
// Points XDG_CONFIG_HOME at a fresh temporary folder for as long as the object lives, so a test
// never reads or writes the user's own settings.

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

class ScopedConfigDir {
public:
    ScopedConfigDir() : previous_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
    }
    ~ScopedConfigDir() {
        if (previous_.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", previous_);
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
    QTemporaryDir dir_;
    QByteArray previous_;
};

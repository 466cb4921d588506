#pragma once
// Points XDG_RUNTIME_DIR at a fresh private folder, or unsets it (Qt then falls back to a folder
// of the user's in the temporary folder), for as long as the object lives.

#include <QByteArray>
#include <QTemporaryDir>

class ScopedRuntimeDir {
public:
    enum class Kind { Own, Unset };
    explicit ScopedRuntimeDir(Kind kind = Kind::Own) : previous_(qgetenv("XDG_RUNTIME_DIR")) {
        if (kind == Kind::Own)
            qputenv("XDG_RUNTIME_DIR", dir_.path().toUtf8());
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }
    ~ScopedRuntimeDir() {
        if (previous_.isEmpty())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", previous_);
    }
    ScopedRuntimeDir(const ScopedRuntimeDir&) = delete;
    ScopedRuntimeDir& operator=(const ScopedRuntimeDir&) = delete;

private:
    QTemporaryDir dir_; // made with mode 0700, as a runtime folder must be
    QByteArray previous_;
};

#pragma once
// Whole-file reads and writes for setting up and checking the storage tests.

#include <QByteArray>
#include <QFile>
#include <QString>

// The content, or nothing when the file cannot be read.
inline QByteArray readTestFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A test cannot go on without its fixture, so a failure ends the run.
inline void writeTestFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A file of tests/data; a missing one ends the run.
inline QByteArray readTestData(const char* name) {
    QFile file(QStringLiteral(VARKO_TEST_DATA_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", name);
    return file.readAll();
}

#pragma once
// Paths where a live-data log is wanted but none can be read: what the reader must refuse at
// once, without waiting for the writer of a named pipe or reading a device without end.

#include "PipeWithoutWriter.h"
#include "link/LiveDataCsv.h"

#include <QDir>
#include <QFile>
#include <QString>

// The path of such a thing in folder, made there: "missing", "folder", "device" (/dev/zero,
// endless), "named pipe" (without a writer) or "too large" (sparse, but for the header, and one
// byte over the limit). Empty when it could not be made.
inline QString makeNoLogFile(const QString& kind, const QString& folder) {
    const QString path = folder + '/' + kind + ".csv";
    if (kind == "missing")
        return path;
    if (kind == "device")
        return QStringLiteral("/dev/zero");
    if (kind == "folder")
        return QDir().mkdir(path) ? path : QString();
    if (kind == "named pipe")
        return makePipeWithoutWriter(path) ? path : QString();
    QFile huge(path);
    const QByteArray header =
        (varko::liveCsvHeader(varko::LiveCsvColumns::Recording) + '\n').toUtf8();
    return huge.open(QIODevice::WriteOnly) && huge.write(header) == header.size() &&
                   huge.resize(varko::kMaxLiveLogSize + 1)
               ? path
               : QString();
}

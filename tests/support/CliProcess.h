#pragma once
// varko-cli run as a separate program, as a script runs it: exit status and both outputs.

#include <QProcess>
#include <QString>
#include <QStringList>

constexpr int kCliTimeoutMs = 30000;

struct CliRun {
    int status = -1; // -1: it crashed or did not finish within 30 s, as err says
    QString out;
    QString err;
};

// Where the outputs go instead of to the test (as a shell's > and >> would send them); an empty
// name leaves that output to the test.
struct CliOutputFiles {
    QString out;
    QString err;
    bool append = false;
};

inline CliRun runCli(const QStringList& arguments, const QString& workingDirectory = {},
                     const CliOutputFiles& files = {}) {
    QProcess cli;
    cli.setWorkingDirectory(workingDirectory);
    const QIODevice::OpenMode mode = files.append ? QIODevice::Append : QIODevice::Truncate;
    if (!files.out.isEmpty())
        cli.setStandardOutputFile(files.out, mode);
    if (!files.err.isEmpty())
        cli.setStandardErrorFile(files.err, mode);
    cli.start(QStringLiteral(VARKO_BINARY_DIR "/src/varko-cli"), arguments);
    CliRun run;
    if (!cli.waitForFinished(kCliTimeoutMs) || cli.exitStatus() != QProcess::NormalExit) {
        cli.kill();
        cli.waitForFinished();
        run.err = "did not finish normally: " + cli.errorString();
        return run;
    }
    run.status = cli.exitCode();
    run.out = QString::fromUtf8(cli.readAllStandardOutput());
    run.err = QString::fromUtf8(cli.readAllStandardError());
    return run;
}

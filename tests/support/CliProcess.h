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

inline CliRun runCli(const QStringList& arguments, const QString& workingDirectory = {}) {
    QProcess cli;
    cli.setWorkingDirectory(workingDirectory);
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

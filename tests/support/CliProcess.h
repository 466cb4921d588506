#pragma once
// varko-cli run as a separate program, as a script runs it: exit status and both outputs.

#include <QProcess>
#include <QString>
#include <QStringList>

struct CliRun {
    int status = -1; // -1: did not finish within 30 s
    QString out;
    QString err;
};

inline CliRun runCli(const QStringList& arguments) {
    QProcess cli;
    cli.start(QStringLiteral(VARKO_BINARY_DIR "/src/varko-cli"), arguments);
    CliRun run;
    if (!cli.waitForFinished(30000))
        return run;
    run.status = cli.exitCode();
    run.out = QString::fromUtf8(cli.readAllStandardOutput());
    run.err = QString::fromUtf8(cli.readAllStandardError());
    return run;
}

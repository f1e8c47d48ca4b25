#include "support/ChildProcess.h"

#include <QCoreApplication>
#include <QProcess>

ChildProcess ChildProcess::run(const QString &scenario)
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--child"), scenario });
    ChildProcess result;
    // A child that hangs is a failure, not a test that never ends.
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        result.crashed = true;
    }
    result.crashed = result.crashed || process.exitStatus() != QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.standardOutput = process.readAllStandardOutput();
    result.standardError = process.readAllStandardError();
    return result;
}

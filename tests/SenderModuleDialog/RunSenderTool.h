#pragma once

#include <QProcess>

struct SToolResult
{
    int nExitCode = -1;
    QString strOut;
    QString strErr;
};

// Runs the sendertool named by $SENDERTOOL; an empty path means it was not built.
inline SToolResult RunSenderTool(const QStringList& listArgs)
{
    if (qEnvironmentVariableIsEmpty("SENDERTOOL"))
        return {};
    QProcess process;
    process.start(qEnvironmentVariable("SENDERTOOL"), listArgs);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromLocal8Bit(process.readAllStandardOutput()),
        QString::fromLocal8Bit(process.readAllStandardError())};
}

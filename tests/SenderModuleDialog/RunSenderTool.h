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
    SToolResult sResult;
    if (qEnvironmentVariableIsEmpty("SENDERTOOL"))
        return sResult;
    QProcess process;
    process.start(qEnvironmentVariable("SENDERTOOL"), listArgs);
    if (!process.waitForFinished(30000))
        return sResult;
    sResult.nExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    sResult.strOut = QString::fromLocal8Bit(process.readAllStandardOutput());
    sResult.strErr = QString::fromLocal8Bit(process.readAllStandardError());
    return sResult;
}

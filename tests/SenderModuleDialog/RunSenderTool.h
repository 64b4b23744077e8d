#pragma once

#include <QProcess>
#include <QStringList>

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
    const QString strTool = qEnvironmentVariable("SENDERTOOL");
    if (strTool.isEmpty())
        return sResult;
    QProcess process;
    process.start(strTool, listArgs);
    if (!process.waitForFinished(30000))
        return sResult;
    sResult.nExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    sResult.strOut = QString::fromLocal8Bit(process.readAllStandardOutput());
    sResult.strErr = QString::fromLocal8Bit(process.readAllStandardError());
    return sResult;
}

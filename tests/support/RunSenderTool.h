#pragma once

#include "ToolRun.h"

struct SToolResult
{
    int nExitCode = -1;
    QString strOut;
    QString strErr;
};

// Runs the sendertool named by $SENDERTOOL; exit code -1 when it was not built.
inline SToolResult RunSenderTool(const QStringList& listArgs)
{
    const SToolRun run = Run(listArgs);
    return {run.nExitCode, QString::fromLocal8Bit(run.baOut), QString::fromLocal8Bit(run.baErr)};
}

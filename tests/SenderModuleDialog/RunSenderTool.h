#pragma once

#include "../tools/ToolRun.h"

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
    const SToolRun run = Run(listArgs);
    return {run.nExitCode, QString::fromLocal8Bit(run.baOut), QString::fromLocal8Bit(run.baErr)};
}

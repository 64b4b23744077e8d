#include "Command.h"

#include "SafeFile.h"

#include <cmath>
#include <cstdio>

namespace CommandRegistry {
static std::vector<SCommand>& Table()
{
    static std::vector<SCommand> s_vecCommands;
    return s_vecCommands;
}

bool Add(const SCommand& command)
{
    Table().push_back(command);
    return true;
}

const std::vector<SCommand>& All()
{
    return Table();
}
} // namespace CommandRegistry

int UsageError(const QString& strText)
{
    std::fprintf(stderr, "sendertool: %s\n", strText.toLocal8Bit().constData());
    return EXIT_BAD_INPUT;
}

bool CheckOutputName(const QString& strPath, QString& strError)
{
    if (strPath.isEmpty())
        strError = "-o needs a file name, or - for standard output";
    return !strPath.isEmpty();
}

int WriteOutput(const QString& strPath, const QByteArray& baData)
{
    if (strPath == "-") {
        const bool bOk
            = std::fwrite(baData.constData(), 1, size_t(baData.size()), stdout) == size_t(baData.size());
        if (std::fflush(stdout) == 0 && bOk)
            return EXIT_OK;
        std::fprintf(stderr, "sendertool: cannot write to standard output\n");
        return EXIT_FAILURE_RESULT;
    }
    QString strError;
    if (SafeFile::Write(strPath, baData, &strError))
        return EXIT_OK;
    std::fprintf(stderr, "sendertool: %s\n", strError.toLocal8Bit().constData());
    return EXIT_FAILURE_RESULT;
}

bool ParseInt(const QString& strText, int& nValue)
{
    bool bOk = false;
    nValue = strText.trimmed().toInt(&bOk, 10);
    return bOk;
}

bool ParseDouble(const QString& strText, double& dValue)
{
    bool bOk = false;
    dValue = strText.trimmed().toDouble(&bOk);
    return bOk && std::isfinite(dValue);
}

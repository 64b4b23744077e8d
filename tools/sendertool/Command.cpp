#include "Command.h"

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

const std::vector<SCommand>& All() { return Table(); }
} // namespace CommandRegistry

int UsageError(const QString& strText)
{
    std::fprintf(stderr, "sendertool: %s\n", strText.toLocal8Bit().constData());
    return EXIT_BAD_INPUT;
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

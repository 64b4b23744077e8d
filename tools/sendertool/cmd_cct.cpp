#include "CCT2ColorCoord.h"
#include "Command.h"
#include "ModeArgs.h"

#include <cstdio>

namespace {
int RunCct(const QStringList& listArgs)
{
    SSplitArgs sSplit;
    QString strError;
    if (!SplitArgs(listArgs, {"--formula"}, {}, sSplit, strError))
        return UsageError(strError);
    if (sSplit.listPositional.size() != 1)
        return UsageError("cct takes one temperature in kelvin");
    double dKelvin = 0.0;
    if (!ParseDouble(sSplit.listPositional[0], dKelvin))
        return UsageError(QString("'%1' is not a temperature").arg(sSplit.listPositional[0]));

    const CCCT2ColorCoord cct;
    QPointF xy;
    if (!cct.CCTtoColorCoord(float(dKelvin), &xy, sSplit.setFlags.contains("--formula")))
        return UsageError(QString("%1 K is outside 4000 to 25000 K").arg(sSplit.listPositional[0]));
    std::printf("%.6f %.6f\n", xy.x(), xy.y());
    return EXIT_OK;
}
} // namespace

SENDERTOOL_COMMAND(cct, "cct",
    "cct KELVIN [--formula]\n"
    "    Prints the chromaticity 'x y' of the CIE daylight locus at KELVIN (4000 to\n"
    "    25000). 6500 gives the D65 white point (0.3127, 0.3290) unless --formula\n"
    "    asks for the formula's own value.",
    RunCct);

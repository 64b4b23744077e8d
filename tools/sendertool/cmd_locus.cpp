#include "ChromaGamutInterpolation.h"
#include "Command.h"
#include "ModeArgs.h"

#include <cstdio>

namespace {
int RunLocus(const QStringList& listArgs)
{
    SSplitArgs sSplit;
    QString strError;
    if (!SplitArgs(listArgs, {"--contains"}, {}, sSplit, strError))
        return UsageError(strError);
    const bool bContains = sSplit.setFlags.contains("--contains");
    if (sSplit.listPositional.size() != (bContains ? 2 : 0))
        return UsageError(bContains ? "--contains takes the point's X and Y" : "locus takes no arguments");

    const CChromaGamutInterpolation locus;
    if (bContains) {
        double dX = 0.0, dY = 0.0;
        if (!ParseDouble(sSplit.listPositional[0], dX) || !ParseDouble(sSplit.listPositional[1], dY))
            return UsageError("X and Y must be numbers");
        std::printf("%s\n", locus.IsPointInCIEPolygon(QPointF(dX, dY)) ? "inside" : "outside");
        return EXIT_OK;
    }
    for (const QPointF& pt : locus.GetQPointFData())
        std::printf("%.9g %.9g\n", pt.x(), pt.y());
    return EXIT_OK;
}
} // namespace

SENDERTOOL_COMMAND(locus, "locus",
    "locus [--contains X Y]\n"
    "    Prints the convex hull of the CIE 1931 spectral locus, one 'x y' vertex per\n"
    "    line, counter-clockwise from the lowest vertex. With --contains, prints\n"
    "    'inside' or 'outside' for the chromaticity (X, Y) instead.",
    RunLocus);
